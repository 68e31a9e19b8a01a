#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace verdeval::test {

// One modal thing the program showed.
struct ShownDialog {
    enum class Kind { MessageBox, Preview, Modal, SaveFile };
    Kind kind;
    QString caption; // message caption, or the report's document title, or the screen's class
    QString text;    // message text, or the suggested file name
    QStringList buttons; // message buttons, or the file filters
    bool errorIcon = false;

    // "caption | text | buttons", for comparisons in one line.
    QString describe() const { return caption + QStringLiteral(" | ") + text + QStringLiteral(" | ") + buttons.join(QLatin1Char('/')); }
};

// A dialog backend for tests: it records what would have been shown and answers at once,
// never blocking. The log is shared with the test through a pointer that outlives the backend
// handed to the application.
class RecordingDialogs : public DialogBackend
{
public:
    struct Log {
        QList<ShownDialog> shown;
        QStringList answers; // next answers to give, first first; default the first button
        // Next paths a save-file dialog returns, first first; none left means it is cancelled.
        QStringList fileNames;
        // Runs while a preview is "open" (e.g. to render the report or to try a second preview).
        std::function<void(Printable &)> onPreview;
        // Runs while a modal screen is "open".
        std::function<void(Screen &)> onModal;

        void clear() { shown.clear(); }
        QStringList texts() const;
        const ShownDialog &last() const { return shown.constLast(); }
    };

    explicit RecordingDialogs(std::shared_ptr<Log> log) : m_log(std::move(log)) {}

    QString messageBox(QWidget *parent, Icon icon, const QString &caption, const QString &text,
                       const QStringList &buttons) override;
    void preview(QWidget *parent, Printable &report) override;
    void showModal(QWidget *parent, Screen &screen) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filters) override;

private:
    std::shared_ptr<Log> m_log;
};

} // namespace verdeval::test
