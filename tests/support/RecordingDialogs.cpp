#include "RecordingDialogs.h"

#include "platform/Screen.h"

namespace verdeval::test {

QStringList RecordingDialogs::Log::texts() const
{
    QStringList out;
    for (const ShownDialog &d : shown)
        out << d.text;
    return out;
}

QString RecordingDialogs::messageBox(QWidget *, Icon icon, const QString &caption, const QString &text,
                                     const QStringList &buttons)
{
    ShownDialog d{ShownDialog::Kind::MessageBox, caption, text, buttons, icon == Icon::Error};
    m_log->shown << d;
    if (!m_log->answers.isEmpty())
        return m_log->answers.takeFirst();
    return buttons.value(0);
}

void RecordingDialogs::preview(QWidget *, Printable &report)
{
    m_log->shown << ShownDialog{ShownDialog::Kind::Preview, report.documentTitle(), QString(), {}, false};
    if (m_log->onPreview)
        m_log->onPreview(report);
}

void RecordingDialogs::showModal(QWidget *, Screen &screen)
{
    m_log->shown << ShownDialog{ShownDialog::Kind::Modal, screen.objectName(), QString(), {}, false};
    screen.present();
    if (m_log->onModal)
        m_log->onModal(screen);
}

QString RecordingDialogs::saveFileName(QWidget *, const QString &caption, const QString &suggested,
                                      const QString &filters)
{
    m_log->shown << ShownDialog{ShownDialog::Kind::SaveFile, caption, suggested, filters.split(QStringLiteral(";;")), false};
    return m_log->fileNames.isEmpty() ? QString() : m_log->fileNames.takeFirst();
}

} // namespace verdeval::test
