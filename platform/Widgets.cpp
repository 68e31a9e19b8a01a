#include "platform/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace verdeval::kit {

void paint(QWidget *w, const QColor &background, const QColor &foreground)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, foreground);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void paintSilver(QWidget *w) { paint(w, silver); }

static QFont boldFont(QWidget *w, int delta = 0)
{
    QFont f = w->font();
    f.setBold(true);
    if (delta)
        f.setPointSize(f.pointSize() + delta);
    return f;
}

QLineEdit *box(const QString &name, int width, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAccessibleName(name);
    if (width > 0)
        e->setMinimumWidth(width);
    e->setMaximumWidth(width > 0 ? width * 4 : QWIDGETSIZE_MAX);
    return e;
}

QLabel *cell(const QString &name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setAccessibleName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(boldFont(l));
    l->setMinimumWidth(44);
    l->setMinimumHeight(22);
    paint(l, lime);
    return l;
}

QLabel *rowTitle(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(boldFont(l));
    l->setMinimumHeight(22);
    l->setContentsMargins(4, 0, 4, 0);
    paint(l, maroon, lightGreen);
    return l;
}

QLabel *caption(const QString &text, bool bold, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (bold)
        l->setFont(boldFont(l));
    return l;
}

QLabel *heading(const QString &text, int pointSize, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(pointSize);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, olive);
    l->setPalette(p);
    return l;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    // Enter on a focused button presses it, as Space does. The screens are plain windows with
    // no default button, so this never presses a button that has no focus.
    b->setAutoDefault(true);
    return b;
}

void readOnlyLook(QLineEdit *e)
{
    // A light grey field with black text in every state, so that a display-only box reads
    // clearly and does not look like one to type into.
    QPalette p = e->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, QColor(0xE4, 0xE4, 0xE4));
        p.setColor(g, QPalette::Text, Qt::black);
    }
    e->setPalette(p);
    e->setFrame(true);
}

ClickLabel::ClickLabel(const QString &name, const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab like a button, and opened with Enter or Space.
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus mark: a dotted frame around the text, in the label's own colour, drawn in the
    // label's margins so that it never crosses the letters.
    QPainter p(this);
    p.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    const QRect text = contentsRect();
    const QFontMetrics fm(font());
    const int w = std::min(text.width(), fm.horizontalAdvance(this->text()));
    QRect frame(text.left(), text.top(), w, text.height());
    if (alignment() & Qt::AlignHCenter)
        frame.moveLeft(text.left() + (text.width() - w) / 2);
    frame = frame.adjusted(-3, -2, 3, 1).intersected(rect().adjusted(0, 0, -1, -1));
    p.drawRect(frame);
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

ChangeCombo::ChangeCombo(const QString &name, const QString &prompt, QWidget *parent) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Wide enough for the whole prompt.
    setMinimumWidth(std::max(260, fontMetrics().horizontalAdvance(prompt) + 48));
    lineEdit()->setPlaceholderText(prompt);
    setToolTip(prompt);
    connect(this, &QComboBox::editTextChanged, this, [this] {
        m_textChanged = true;
        emit changed();
    });
    // Picking the item already shown does not change the text, but it is still a choice.
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_textChanged)
            emit changed();
        m_textChanged = false;
    });
}

void ChangeCombo::showPopup()
{
    m_textChanged = false;
    QComboBox::showPopup();
}

void ChangeCombo::replaceItems(const QStringList &items)
{
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(text);
}

void ChangeCombo::clearAll()
{
    const QSignalBlocker blocker(this);
    clear();
    setEditText(QString());
}

MonthTable::MonthTable(const QString &panelName, const QStringList &headings, const QString &annualHeading,
                       int titleWidth, QWidget *parent)
    : QWidget(parent), m_grid(new QGridLayout(this)), m_columns(headings.size()), m_annual(!annualHeading.isEmpty())
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(3);
    m_grid->setVerticalSpacing(3);
    m_grid->setColumnMinimumWidth(0, titleWidth);
    for (int c = 1; c <= m_columns + (m_annual ? 1 : 0); ++c)
        m_grid->setColumnStretch(c, 1);
    addHeaderBar(panelName, headings, annualHeading);
}

void MonthTable::addHeaderBar(const QString &panelName, const QStringList &headings, const QString &annualHeading)
{
    auto *bar = new QWidget(this);
    bar->setObjectName(panelName);
    paint(bar, green, Qt::white);
    bar->setMinimumHeight(24);
    m_grid->addWidget(bar, m_row, 1, 1, m_columns + (m_annual ? 1 : 0));
    QStringList all = headings;
    if (m_annual)
        all << annualHeading;
    for (int c = 0; c < all.size(); ++c) {
        auto *l = new QLabel(all.at(c), this);
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
        m_grid->addWidget(l, m_row, c + 1);
    }
    ++m_row;
}

QLabel *MonthTable::titleLabel(const QString &text, Title style)
{
    QLabel *l = style == Title::Result ? rowTitle(text, this) : caption(text, true, this);
    m_lastTitle = l;
    return l;
}

QList<QLineEdit *> MonthTable::addBoxRow(const QString &title, const QString &prefix, int count,
                                         const QString &annualName, bool annualIsCell)
{
    m_grid->addWidget(titleLabel(title, Title::Input), m_row, 0);
    QList<QLineEdit *> boxes;
    for (int k = 1; k <= count; ++k) {
        QLineEdit *e = box(prefix + QString::number(k), 44, this);
        e->setMaximumWidth(QWIDGETSIZE_MAX);
        m_grid->addWidget(e, m_row, k);
        boxes << e;
    }
    if (!annualName.isEmpty()) {
        if (annualIsCell) {
            m_grid->addWidget(cell(annualName, this), m_row, m_columns + 1);
        } else {
            QLineEdit *e = box(annualName, 44, this);
            e->setMaximumWidth(QWIDGETSIZE_MAX);
            e->setEnabled(false);
            readOnlyLook(e);
            m_grid->addWidget(e, m_row, m_columns + 1);
        }
    }
    ++m_row;
    return boxes;
}

QList<QLabel *> MonthTable::addCellRow(const QString &title, const QString &prefix, int count,
                                       const QString &annualName, const QList<int> &columns, Title style)
{
    m_grid->addWidget(titleLabel(title, style), m_row, 0);
    QList<QLabel *> cells;
    for (int k = 1; k <= count; ++k) {
        QLabel *c = cell(prefix + QString::number(k), this);
        const int column = columns.isEmpty() ? k : columns.at(k - 1) + 1;
        m_grid->addWidget(c, m_row, column);
        cells << c;
    }
    if (!annualName.isEmpty())
        m_grid->addWidget(cell(annualName, this), m_row, m_columns + 1);
    ++m_row;
    return cells;
}

QLabel *addCaptionedCell(QGridLayout *grid, int row, int column, const QString &caption, const QString &name,
                         QWidget *parent, int cellWidth, int captionWidth)
{
    QLabel *title = rowTitle(caption, parent);
    if (captionWidth > 0)
        title->setMinimumWidth(captionWidth);
    grid->addWidget(title, row, column);
    QLabel *value = cell(name, parent);
    if (cellWidth > 0)
        value->setMinimumWidth(cellWidth);
    grid->addWidget(value, row, column + 1);
    return value;
}

void addLocationBoxes(QHBoxLayout *row, const QString &stationCaption, QWidget *parent)
{
    // Compact enough for a 1024 pixel wide window with the captions on one line: the station
    // box takes what is left, the latitude boxes hold a few characters.
    auto fixed = [&](const char *name, int width) {
        QLineEdit *e = box(QString::fromLatin1(name), width, parent);
        e->setMaximumWidth(width);
        row->addWidget(e);
    };
    row->addWidget(caption(stationCaption, true, parent));
    row->addWidget(box(QStringLiteral("EEstacion"), 110, parent), 3);
    row->addSpacing(8);
    row->addWidget(caption(QStringLiteral("Latitud:"), true, parent));
    row->addWidget(caption(QStringLiteral("Grados:"), false, parent));
    fixed("EGrados", 52);
    row->addWidget(caption(QStringLiteral("Minutos:"), false, parent));
    fixed("EMinutos", 52);
    row->addWidget(caption(QStringLiteral("Hemisferio:"), false, parent));
    fixed("EHemisferio", 36);
}

QGridLayout *placeGrid(QWidget *parent, bool readOnly)
{
    auto *grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    auto add = [&](const QString &name, int width, int row, int column, int span = 1) {
        QLineEdit *e = box(name, width, parent);
        if (readOnly) {
            e->setReadOnly(true);
            readOnlyLook(e);
            // Clicked into to copy a value, but not a stop of the Tab key.
            e->setFocusPolicy(Qt::ClickFocus);
        }
        grid->addWidget(e, row, column, 1, span);
    };
    auto label = [&](const char *text, bool bold, int row, int column) {
        grid->addWidget(caption(QString::fromUtf8(text), bold, parent), row, column);
    };
    label("Localidad:", true, 0, 0);
    add(QStringLiteral("EEstacion"), 240, 0, 1, 6);
    label("Latitud:", true, 1, 0);
    label("Grados:", false, 1, 1);
    add(QStringLiteral("EGrados"), 50, 1, 2);
    label("Minutos:", false, 1, 3);
    add(QStringLiteral("EMinutos"), 50, 1, 4);
    label("Hemisferio:", false, 1, 5);
    add(QStringLiteral("EHemisferio"), 40, 1, 6);
    label("Longitud:", true, 2, 0);
    label("Grados:", false, 2, 1);
    add(QStringLiteral("EGradosL"), 50, 2, 2);
    label("Minutos:", false, 2, 3);
    add(QStringLiteral("EMinutosL"), 50, 2, 4);
    label("Altitud:", true, 3, 0);
    add(QStringLiteral("EAltitud"), 70, 3, 1, 2);
    grid->setColumnStretch(7, 1);
    return grid;
}

} // namespace verdeval::kit
