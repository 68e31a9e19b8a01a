#pragma once

#include "platform/core/Months.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

// The pieces every screen is built from: boxes, value cells, row titles, header bars, buttons,
// clickable labels and month tables, with the program's colours.
namespace verdeval::kit {

inline const QColor silver{0xC0, 0xC0, 0xC0};
inline const QColor green{0x00, 0x80, 0x00};
inline const QColor maroon{0x80, 0x00, 0x00};
inline const QColor lime{0x00, 0xFF, 0x00};
inline const QColor lightGreen{0x90, 0xEE, 0x90};
inline const QColor olive{0x80, 0x80, 0x00};

using verdeval::monthsJanDec;
using verdeval::monthsJulJun;

void paintSilver(QWidget *w);
void paint(QWidget *w, const QColor &background, const QColor &foreground = Qt::black);

// An editable box named as in the screen's description.
QLineEdit *box(const QString &name, int width = 64, QWidget *parent = nullptr);
// A read-only value cell: bold black centred text on lime.
QLabel *cell(const QString &name, QWidget *parent = nullptr);
// A row title: bold light-green text on maroon.
QLabel *rowTitle(const QString &text, QWidget *parent = nullptr);
// A caption in bold black (input row titles) or plain.
QLabel *caption(const QString &text, bool bold = false, QWidget *parent = nullptr);
// Large olive heading, centred.
QLabel *heading(const QString &text, int pointSize = 16, QWidget *parent = nullptr);
// A push button; Enter or Space on it when it has the focus presses it.
QPushButton *button(const QString &name, const QString &text, QWidget *parent = nullptr);
// Gives a display-only box its look: light grey, black text, also when disabled.
void readOnlyLook(QLineEdit *e);

// A label the user can click, with a hand cursor; it takes the Tab focus, shows a focus mark
// and is opened with Enter or Space as well.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    ClickLabel(const QString &name, const QString &text, QWidget *parent = nullptr);
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// An editable drop-down list whose every change of text, by picking an item or by typing, is
// one "changed" event. Picking the item that is already shown is a change as well.
class ChangeCombo : public QComboBox
{
    Q_OBJECT
public:
    ChangeCombo(const QString &name, const QString &prompt, QWidget *parent = nullptr);
    // Replaces the items; the text shown stays as it is and no change is signalled.
    void replaceItems(const QStringList &items);
    // Empties the items and the text, without signalling a change.
    void clearAll();
    void showPopup() override;
signals:
    void changed();
private:
    bool m_textChanged = false;
};

// A table of month columns: a green header bar over rows of boxes or value cells, each row
// with its title at the left and an optional annual column at the right.
class MonthTable : public QWidget
{
    Q_OBJECT
public:
    // panelName names the header bar (e.g. "Panel1"); headings are the column captions.
    MonthTable(const QString &panelName, const QStringList &headings, const QString &annualHeading = QString(),
               int titleWidth = 230, QWidget *parent = nullptr);

    enum class Title { Input, Result };
    // A row of editable boxes prefix1..prefixN; the annual control (if named) is a box
    // that is disabled when display-only, or a value cell.
    QList<QLineEdit *> addBoxRow(const QString &title, const QString &prefix, int count = 12,
                                 const QString &annualName = QString(), bool annualIsCell = false);
    // A row of value cells prefix1..prefixN placed under the given columns (0-based; by default
    // the first N columns) with an optional annual cell.
    QList<QLabel *> addCellRow(const QString &title, const QString &prefix, int count = 12,
                               const QString &annualName = QString(), const QList<int> &columns = {},
                               Title style = Title::Result);
    // A second header bar further down the same grid (a results table under the inputs).
    void addHeaderBar(const QString &panelName, const QStringList &headings, const QString &annualHeading = QString());
    QLabel *lastTitle() const { return m_lastTitle; }

private:
    QLabel *titleLabel(const QString &text, Title style);

    QGridLayout *m_grid;
    int m_row = 0;
    int m_columns;
    bool m_annual;
    QLabel *m_lastTitle = nullptr;
};

// A single figure with its caption: a row title (bold light green on maroon) and the value
// cell `name` beside it, at row, column and column + 1 of the grid. Returns the cell.
QLabel *addCaptionedCell(QGridLayout *grid, int row, int column, const QString &caption, const QString &name,
                         QWidget *parent, int cellWidth = 0, int captionWidth = 0);

// "Nombre de la Estación:" (or "Localidad:") with EEstacion, then "Latitud:" with
// "Grados:" EGrados, "Minutos:" EMinutos and "Hemisferio:" EHemisferio.
void addLocationBoxes(QHBoxLayout *row, const QString &stationCaption, QWidget *parent);

// The place as the index and own-data screens show it: "Localidad:" EEstacion; "Latitud:"
// with EGrados, EMinutos, EHemisferio; "Longitud:" with EGradosL, EMinutosL; "Altitud:"
// EAltitud. The boxes are children of parent; readOnly for display only.
QGridLayout *placeGrid(QWidget *parent, bool readOnly);

} // namespace verdeval::kit
