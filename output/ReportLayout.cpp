#include "output/ReportLayout.h"

#include "app/VerdevalApp.h"
#include "output/Chart.h"
#include "output/Emblem.h"
#include "platform/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QVBoxLayout>

namespace verdeval {

namespace {
constexpr double kPageWidthMm = 215.9;
constexpr double kPageHeightMm = 279.4;
constexpr double kMarginTopMm = 10;
constexpr double kMarginSideMm = 2;
constexpr double kUnitsPerMm = 96.0 / 25.4;
} // namespace

QSizeF ReportLayout::contentSize()
{
    return QSizeF((kPageWidthMm - 2 * kMarginSideMm) * kUnitsPerMm, (kPageHeightMm - 2 * kMarginTopMm) * kUnitsPerMm);
}

ReportLayout::ReportLayout(VerdevalApp &app, const char *className, const QString &documentTitle)
    : Screen(app, className), m_documentTitle(documentTitle)
{
    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("DetailBand1"));
    kit::paint(m_page, Qt::white);
    m_page->setFixedSize(contentSize().toSize());
    m_pageLayout = new QVBoxLayout(m_page);
    m_pageLayout->setContentsMargins(8, 4, 8, 4);
    m_pageLayout->setSpacing(4);
    body()->addWidget(m_page);
    body()->addStretch();
}

void ReportLayout::addHeadingBlock()
{
    auto *row = new QHBoxLayout();
    row->addWidget(new Emblem(QStringLiteral("QRImage1"), Emblem::Kind::Sun, m_page));
    auto *lines = new QVBoxLayout();
    auto *l1 = kit::heading(QStringLiteral("VERDEVAL"), 16, m_page);
    l1->setObjectName(QStringLiteral("QRLabel2"));
    auto *l2 = kit::heading(QStringLiteral("CLIMATOLOGÍA AGRÍCOLA"), 14, m_page);
    l2->setObjectName(QStringLiteral("QRLabel3"));
    for (QLabel *l : {l1, l2}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, kit::green);
        l->setPalette(p);
    }
    auto *credit = kit::caption(QStringLiteral("Cálculos agroclimáticos mensuales a partir de normales climáticas"),
                                false, m_page);
    credit->setObjectName(QStringLiteral("QRLabel4"));
    credit->setAlignment(Qt::AlignCenter);
    lines->addWidget(l1);
    lines->addWidget(l2);
    lines->addWidget(credit);
    row->addLayout(lines, 1);
    row->addWidget(new Emblem(QStringLiteral("QRImage2"), Emblem::Kind::Leaf, m_page));
    m_pageLayout->addLayout(row);
}

void ReportLayout::addTitle(const QString &text, const QString &name)
{
    auto *title = kit::heading(text, 14, m_page);
    title->setObjectName(name);
    m_pageLayout->addWidget(title);
}

Chart *ReportLayout::addChart(const QString &name, int height)
{
    auto *c = new Chart(name, m_page);
    c->setFixedHeight(height);
    m_pageLayout->addWidget(c);
    return c;
}

Chart *ReportLayout::chart(const QString &name) const
{
    return qobject_cast<Chart *>(control(name));
}

void ReportLayout::paintPage(QPainter &painter, const QRectF &pageRect)
{
    // The page widget must be laid out even though its window is never shown.
    m_page->ensurePolished();
    if (QLayout *l = m_page->layout())
        l->activate();
    const QSizeF content = contentSize();
    const double scale = std::min(pageRect.width() / content.width(), pageRect.height() / content.height());
    painter.save();
    painter.translate(pageRect.topLeft());
    painter.scale(scale, scale);
    const auto charts = m_page->findChildren<Chart *>();
    for (Chart *c : charts)
        c->refresh();
    m_page->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

void ReportLayout::printOn(QPrinter *printer)
{
    printer->setDocName(m_documentTitle);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(kMarginSideMm, kMarginTopMm, kMarginSideMm, kMarginTopMm),
                            QPageLayout::Millimeter);
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    paintPage(painter, printer->pageLayout().paintRectPixels(printer->resolution()).translated(
                           -printer->pageLayout().paintRectPixels(printer->resolution()).topLeft()));
}

bool ReportLayout::renderToPdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setTitle(m_documentTitle);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(kMarginSideMm, kMarginTopMm, kMarginSideMm, kMarginTopMm),
                          QPageLayout::Millimeter);
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    const QRect paint = writer.pageLayout().paintRectPixels(writer.resolution());
    paintPage(painter, QRectF(0, 0, paint.width(), paint.height()));
    return painter.end();
}

void ReportLayout::Preview(Screen *from)
{
    app().dialogs().preview(from, *this);
}

} // namespace verdeval
