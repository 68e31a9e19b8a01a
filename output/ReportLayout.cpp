#include "output/ReportLayout.h"

#include "platform/core/Errors.h"

#include "output/Chart.h"
#include "output/Emblem.h"
#include "platform/PageLayout.h"
#include "platform/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QVBoxLayout>

namespace verdeval {

QSizeF ReportLayout::contentSize()
{
    constexpr double unitsPerMm = 96.0 / 25.4;
    return reportPageLayout().paintRect(QPageLayout::Millimeter).size() * unitsPerMm;
}

ReportLayout::ReportLayout(ScreenHost &host, const char *className, const QString &documentTitle)
    : Screen(host, className), m_documentTitle(documentTitle)
{
}

void ReportLayout::build()
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
    buildReport();
}

void ReportLayout::addHeadingBlock()
{
    auto *row = new QHBoxLayout();
    row->addWidget(new Emblem(QStringLiteral("QRImage1"), Emblem::Kind::Sun, m_page));
    auto *lines = new QVBoxLayout();
    auto *l1 = kit::heading(QStringLiteral("VERDEVAL"), 16, m_page);
    l1->setObjectName(QStringLiteral("QRLabel2"));
    auto *l2 = kit::heading(QStringLiteral("PROGRAMAS DE APLICACIÓN EN CLIMATOLOGÍA AGRÍCOLA"), 13, m_page);
    l2->setObjectName(QStringLiteral("QRLabel3"));
    for (QLabel *l : {l1, l2}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, kit::green);
        l->setPalette(p);
    }
    auto *credit = kit::caption(
        QStringLiteral("Verdeval: cálculos agroclimáticos mensuales a partir de normales climáticas"), false, m_page);
    credit->setObjectName(QStringLiteral("QRLabel4"));
    credit->setAlignment(Qt::AlignCenter);
    lines->addWidget(l1);
    lines->addWidget(l2);
    lines->addWidget(credit);
    row->addLayout(lines, 1);
    row->addWidget(new Emblem(QStringLiteral("QRImage2"), Emblem::Kind::Leaf, m_page));
    m_pageLayout->addLayout(row);
    auto *rule = new QFrame(m_page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFixedHeight(2);
    kit::paint(rule, kit::green);
    m_pageLayout->addWidget(rule);
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
    if (height > 0) {
        c->setFixedHeight(height);
        m_pageLayout->addWidget(c);
    } else {
        c->setMinimumHeight(200);
        c->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        m_pageLayout->addWidget(c, 1);
        m_stretchAdded = true;
    }
    return c;
}

kit::MonthTable *ReportLayout::addMonthTable(const QString &panelName, const QStringList &headings,
                                             const QString &annualHeading, int titleWidth)
{
    auto *table = new kit::MonthTable(panelName, headings, annualHeading, titleWidth, m_page);
    m_pageLayout->addWidget(table);
    return table;
}

QLabel *ReportLayout::addText(const QString &text, const QString &name, int pointSize, bool bold,
                              Qt::Alignment alignment)
{
    auto *label = kit::caption(text, bold, m_page);
    if (!name.isEmpty())
        label->setObjectName(name);
    QFont f = label->font();
    f.setPointSize(pointSize);
    label->setFont(f);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setWordWrap(true);
    m_pageLayout->addWidget(label);
    return label;
}

void ReportLayout::copyTexts(const Screen &source, const QString &sourcePrefix, int count, const QString &targetPrefix)
{
    ensureBuilt();
    const QString target = targetPrefix.isEmpty() ? sourcePrefix : targetPrefix;
    for (int k = 1; k <= count; ++k)
        setText(target, k, source.text(sourcePrefix, k));
}

void ReportLayout::preparePage()
{
    ensureBuilt();
    // The screen's cells are sized for a window; on paper sixteen columns and a caption must
    // share 21 cm, so the cells give up their minimum width and keep a compact height.
    const auto tables = m_page->findChildren<kit::MonthTable *>();
    for (kit::MonthTable *table : tables) {
        const auto labels = table->findChildren<QLabel *>();
        for (QLabel *l : labels) {
            l->setMinimumWidth(0);
            l->setMinimumHeight(std::min(l->minimumHeight(), 20));
            QFont f = l->font();
            if (f.pointSize() > 8) {
                f.setPointSize(8);
                l->setFont(f);
            }
        }
    }
    if (!m_stretchAdded) {
        m_pageLayout->addStretch(1);
        m_stretchAdded = true;
    }
    m_page->ensurePolished();
    const auto children = m_page->findChildren<QWidget *>();
    for (QWidget *w : children)
        w->ensurePolished();
    if (QLayout *l = m_page->layout()) {
        l->invalidate();
        l->activate();
    }
    // Nested layouts follow the geometry their parents just received (no resize events reach
    // a window that is never shown).
    for (QWidget *w : children)
        if (QLayout *l = w->layout()) {
            l->invalidate();
            l->activate();
        }
}

bool ReportLayout::fitsPage()
{
    ensureBuilt();
    preparePage();
    const QSize minimum = m_pageLayout->minimumSize();
    const QSizeF content = contentSize();
    if (minimum.width() > content.width() || minimum.height() > content.height())
        return false;
    const QRect page(QPoint(0, 0), m_page->size());
    const auto children = m_page->findChildren<QWidget *>();
    for (QWidget *w : children) {
        const QRect r(w->mapTo(m_page, QPoint(0, 0)), w->size());
        if (!page.contains(r))
            return false;
    }
    return true;
}

Chart *ReportLayout::chart(const QString &name) const
{
    return qobject_cast<Chart *>(control(name));
}

void ReportLayout::paintPage(QPainter &painter, const QRectF &pageRect)
{
    ensureBuilt();
    // The page widget must be laid out even though its window is never shown.
    preparePage();
    const QSizeF content = contentSize();
    const double scale = std::min(pageRect.width() / content.width(), pageRect.height() / content.height());
    painter.save();
    painter.translate(pageRect.topLeft());
    painter.scale(scale, scale);
    // The page is recorded as drawing commands and played back on the device. Widgets drawn
    // straight onto a printer would be turned into one picture of the whole page; recorded
    // commands stay text and lines at the printer's resolution.
    QPicture picture;
    {
        QPainter recorder(&picture);
        m_page->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    // Playing a picture scales it from its resolution to the device's; the page is already
    // scaled to the device above.
    if (QPaintDevice *device = painter.device())
        painter.scale(double(picture.logicalDpiX()) / device->logicalDpiX(),
                      double(picture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(QPointF(0, 0), picture);
    painter.restore();
}

void ReportLayout::printOn(QPrinter *printer)
{
    // The preview and the printer call this from their own event loop: an error raised while
    // painting ends with the standard error box here, never escaping into Qt.
    guard([&] {
        ensureBuilt();
        printer->setDocName(m_documentTitle);
        printer->setPageLayout(reportPageLayout());
        QPainter painter(printer);
        if (!painter.isActive())
            throw CalcError(QStringLiteral("No se pudo imprimir el informe \"%1\": la impresora o el archivo de "
                                           "destino no están disponibles")
                                .arg(m_documentTitle));
        const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
        paintPage(painter, page.translated(-page.topLeft()));
    });
}

bool ReportLayout::renderToPdf(const QString &path)
{
    ensureBuilt();
    QPdfWriter writer(path);
    writer.setTitle(m_documentTitle);
    writer.setResolution(600);
    writer.setPageLayout(reportPageLayout());
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    const QRect paint = writer.pageLayout().paintRectPixels(writer.resolution());
    paintPage(painter, QRectF(0, 0, paint.width(), paint.height()));
    return painter.end();
}

void ReportLayout::Preview(Screen *from)
{
    dialogs().preview(from, *this);
}

} // namespace verdeval
