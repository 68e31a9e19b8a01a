#pragma once

#include "platform/Dialogs.h"
#include "platform/Screen.h"

#include <QString>
#include <QStringList>

class QLabel;
class QPainter;
class QPrinter;
class QVBoxLayout;

namespace verdeval {

class Chart;
namespace kit {
class MonthTable;
}

// A one-page printed report: US Letter, portrait, margins 10 mm at top and bottom and 2 mm at
// left and right. The page is a widget laid out at 96 points per inch; the same paint routine
// draws it on the preview, the printer and a PDF file, text and charts as vectors.
//
// Value labels keep the captions the module sets and charts keep their points until the next
// print of the module overwrites them.
class ReportLayout : public Screen, public Printable
{
    Q_OBJECT

public:
    ReportLayout(ScreenHost &host, const char *className, const QString &documentTitle);

    QString documentTitle() const override { return m_documentTitle; }
    void printOn(QPrinter *printer) override;
    // Lays the page out and paints it into the painter's device, filling pageRect.
    void paintPage(QPainter &painter, const QRectF &pageRect);
    // Writes the page to a PDF file without any dialog; returns false when the file cannot
    // be written.
    bool renderToPdf(const QString &path);

    // Opens the print preview; returns when it closes. Closing re-activates `from`.
    void Preview(Screen *from);

    QWidget *page() { ensureBuilt(); return m_page; }
    QVBoxLayout *pageLayout() { ensureBuilt(); return m_pageLayout; }
    Chart *chart(const QString &name) const;

    // Page size in the page widget's units (96 per inch), inside the margins.
    static QSizeF contentSize();
    // Lays the page out as it prints; true when everything on it fits inside the margins.
    bool fitsPage();

    // Sets the value labels targetPrefix1..N to the texts of the source screen's
    // sourcePrefix1..N (the same prefix when none is given), as the screen shows them.
    void copyTexts(const Screen &source, const QString &sourcePrefix, int count, const QString &targetPrefix = QString());

protected:
    // Lays the page out; the layout's own rows, cells and charts go on page().
    void build() final;
    virtual void buildReport() = 0;

    // The heading block: two emblems at the top corners, two institution lines and the credit
    // line between them.
    void addHeadingBlock();
    // A report title in large type (QRTitulo).
    void addTitle(const QString &text, const QString &name = QStringLiteral("QRTitulo"));
    // A chart of the given height in page units; 0 lets it take the rest of the page.
    Chart *addChart(const QString &name, int height = 330);
    // A table of columns under a green header bar (e.g. "Meses" with the month captions),
    // placed on the page; its rows are added with addCellRow (value labels named prefix1..N
    // under chosen columns, with a maroon caption). Cells are sized to fit the page.
    kit::MonthTable *addMonthTable(const QString &panelName, const QStringList &headings,
                                   const QString &annualHeading = QString(), int titleWidth = 130);
    // A static line of text (a subtitle, a note, a unit).
    QLabel *addText(const QString &text, const QString &name = QString(), int pointSize = 9, bool bold = false,
                    Qt::Alignment alignment = Qt::AlignLeft);

private:
    // Fits the tables' cells to the page width and keeps the page's contents at its top.
    void preparePage();

    QString m_documentTitle;
    QWidget *m_page = nullptr;
    QVBoxLayout *m_pageLayout = nullptr;
    bool m_stretchAdded = false;
};

} // namespace verdeval
