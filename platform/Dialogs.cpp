#include "platform/Dialogs.h"

#include "platform/PageLayout.h"
#include "platform/Screen.h"
#include "platform/core/Messages.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace verdeval {

Dialogs::Dialogs(std::unique_ptr<DialogBackend> backend) : m_backend(std::move(backend)) {}
Dialogs::~Dialogs() = default;

void Dialogs::setBackend(std::unique_ptr<DialogBackend> backend) { m_backend = std::move(backend); }

void Dialogs::reactivate(Screen *from)
{
    if (from)
        from->reactivate();
}

void Dialogs::standardError(Screen *from, const QString &message)
{
    m_backend->messageBox(from, DialogBackend::Icon::Error, msg::appTitle, msg::standardErrorText(message),
                          {QStringLiteral("OK")});
}

void Dialogs::atencion(Screen *from, const QString &text)
{
    m_backend->messageBox(from, DialogBackend::Icon::Information, msg::atencion, text, {QStringLiteral("OK")});
}

void Dialogs::hemisphereError(Screen *from, const QString &text)
{
    m_backend->messageBox(from, DialogBackend::Icon::Error, msg::appTitle, text,
                          {QStringLiteral("Yes"), QStringLiteral("No")});
    reactivate(from);
}

void Dialogs::preview(Screen *from, Printable &report)
{
    if (m_previewOpen)
        return;
    m_previewOpen = true;
    try {
        m_backend->preview(from, report);
    } catch (...) {
        m_previewOpen = false;
        throw;
    }
    m_previewOpen = false;
    reactivate(from);
}

void Dialogs::showModal(Screen *from, Screen &screen)
{
    m_backend->showModal(from, screen);
    reactivate(from);
}

QString Dialogs::saveFileName(Screen *from, const QString &caption, const QString &suggested, const QString &filters)
{
    return m_backend->saveFileName(from, caption, suggested, filters);
}

QString WidgetDialogBackend::messageBox(QWidget *parent, Icon icon, const QString &caption, const QString &text,
                                        const QStringList &buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(icon == Icon::Error ? QMessageBox::Critical
                                    : icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information);
    for (const QString &b : buttons) {
        if (b == QLatin1String("OK"))
            box.addButton(QMessageBox::Ok);
        else if (b == QLatin1String("Yes"))
            box.addButton(QMessageBox::Yes);
        else if (b == QLatin1String("No"))
            box.addButton(QMessageBox::No);
        else
            box.addButton(b, QMessageBox::AcceptRole);
    }
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked)
        return QString();
    switch (box.standardButton(clicked)) {
    case QMessageBox::Ok: return QStringLiteral("OK");
    case QMessageBox::Yes: return QStringLiteral("Yes");
    case QMessageBox::No: return QStringLiteral("No");
    default: return clicked->text();
    }
}

void WidgetDialogBackend::preview(QWidget *parent, Printable &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.documentTitle());
    printer.setPageLayout(reportPageLayout());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(report.documentTitle());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter *p) { report.printOn(p); });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

void WidgetDialogBackend::showModal(QWidget *, Screen &screen)
{
    screen.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&screen, &Screen::hidden, &loop, &QEventLoop::quit);
    screen.present();
    if (screen.isVisible())
        loop.exec();
    screen.setWindowModality(Qt::NonModal);
}

QString WidgetDialogBackend::saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                          const QString &filters)
{
    QFileDialog dialog(parent, caption, suggested, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo(path).suffix().isEmpty()) {
        // "Documento PDF (*.pdf)" gives ".pdf".
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(dialog.selectedNameFilter());
        if (m.hasMatch())
            path += QLatin1Char('.') + m.captured(1);
    }
    return path;
}

} // namespace verdeval
