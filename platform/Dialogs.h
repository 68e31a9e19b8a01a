#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

namespace verdeval {

class Screen;

// Something the report preview can lay out and print: one paint routine for preview, printer
// and PDF file alike.
class Printable
{
public:
    virtual ~Printable() = default;
    virtual QString documentTitle() const = 0;
    virtual void printOn(QPrinter *printer) = 0;
};

// What actually shows the modal things. The program uses real QMessageBox dialogs and Qt's
// print preview; tests install a recorder that answers without blocking.
class DialogBackend
{
public:
    enum class Icon { Error, Warning, Information };
    virtual ~DialogBackend() = default;
    // A modal message box; returns the text of the button pressed.
    virtual QString messageBox(QWidget *parent, Icon icon, const QString &caption, const QString &text,
                               const QStringList &buttons) = 0;
    // Returns when the preview window closes.
    virtual void preview(QWidget *parent, Printable &report) = 0;
    // Shows a screen modally; returns when it is hidden.
    virtual void showModal(QWidget *parent, Screen &screen) = 0;
    // A save-file dialog starting at the suggested name, with filters such as
    // "Imagen PNG (*.png);;Documento PDF (*.pdf)"; returns the chosen path (with the suffix of
    // the chosen filter when the user typed none), or an empty text when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filters) = 0;
};

// The program's one seam for every modal thing. The plain message boxes (the standard error
// box and "ATENCIÓN") leave their screen active while they are up; the windows of the program
// proper (the hemisphere dialog, the report preview, a modal screen) take the activation, so
// when one of them closes the screen that opened it is activated again (its OnActivate runs).
class Dialogs
{
public:
    explicit Dialogs(std::unique_ptr<DialogBackend> backend);
    ~Dialogs();

    void setBackend(std::unique_ptr<DialogBackend> backend);
    DialogBackend &backend() { return *m_backend; }

    // The standard error box: caption "Verdeval", error icon, OK, the message with a full stop
    // appended unless it already ends in one.
    void standardError(Screen *from, const QString &message);
    // A message box with the caption "ATENCIÓN" and an OK button.
    void atencion(Screen *from, const QString &text);
    // The hemisphere error dialog, buttons Yes and No; the answer is ignored by every caller.
    void hemisphereError(Screen *from, const QString &text);
    // The report preview; a second preview while one is open does nothing.
    void preview(Screen *from, Printable &report);
    void showModal(Screen *from, Screen &screen);
    // Asks where to save a file; empty when the user cancels. Unlike the program's own windows
    // it does not activate `from` again when it closes: saving a chart leaves the screen as it
    // was (some screens empty their result cells on activation).
    QString saveFileName(Screen *from, const QString &caption, const QString &suggested, const QString &filters);

    bool previewOpen() const { return m_previewOpen; }

private:
    void reactivate(Screen *from);

    std::unique_ptr<DialogBackend> m_backend;
    bool m_previewOpen = false;
};

// The real dialogs.
class WidgetDialogBackend : public DialogBackend
{
public:
    QString messageBox(QWidget *parent, Icon icon, const QString &caption, const QString &text,
                       const QStringList &buttons) override;
    void preview(QWidget *parent, Printable &report) override;
    void showModal(QWidget *parent, Screen &screen) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filters) override;
};

} // namespace verdeval
