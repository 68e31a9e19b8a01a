#pragma once

#include "platform/Dialogs.h"
#include "platform/ScreenHost.h"
#include "platform/core/BoxTexts.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace verdeval {


// A window of the program. Every screen exists from start-up to the end of the run, one
// instance each; closing one only hides it, and its boxes keep their texts.
//
// Activation: OnActivate runs when the screen is shown and again when a window of the
// program that it opened (a message box, the report preview, a modal screen) closes; not when
// the user merely switches to another application and back.
class Screen : public QWidget
{
    Q_OBJECT

public:
    // className becomes the Qt object name, so tests and tools reach the screen by it.
    Screen(ScreenHost &host, const char *className, const QString &title = QString());

    ScreenHost &host() const { return m_host; }
    // The program's dialog seam, for this screen and the controls on it.
    Dialogs &dialogs() const { return m_host.dialogs(); }
    // Another screen of the program, by its class.
    template <class T>
    T &peer() const
    {
        return *static_cast<T *>(m_host.screenOfType(T::staticMetaObject));
    }

    // A screen is created at start-up, but its boxes, cells and charts are made the first time
    // it is shown or one of its controls is asked for: start-up stays as quick as showing the
    // splash alone.
    void ensureBuilt();
    bool isBuilt() const { return m_built; }

    // Shows the screen (maximised unless it says otherwise) and brings it to the front; if it
    // was already visible, it is activated again.
    virtual void present();
    // Closes (hides) the screen; its OnClose runs first.
    void closeScreen();
    // Runs OnActivate when the screen is visible.
    void reactivate();

    // Controls found by name, without regard to case; nullptr when there is none.
    QWidget *control(const QString &name) const;
    QWidget *control(const QString &prefix, int k) const { return control(prefix + QString::number(k)); }
    // The text of a box, value cell, label or list; setting it works on all of them.
    QString text(const QString &name) const;
    QString text(const QString &prefix, int k) const { return text(prefix + QString::number(k)); }
    // The texts of prefix1..prefixN, in that order.
    QStringList texts(const QString &prefix, int count = 12) const;
    void setText(const QString &name, const QString &text);
    void setText(const QString &prefix, int k, const QString &text) { setText(prefix + QString::number(k), text); }
    QLineEdit *box(const QString &name) const;
    // The texts of every named box and list of the screen, for a calculation.
    BoxTexts boxTexts() const;
    // Sets the named boxes (or cells) to the texts.
    void setTexts(const BoxTexts &texts);
    // The number in a box; an empty or non-numeric text raises the conversion error naming
    // the box, which gets the focus once the message is closed.
    double number(const QString &name) const;
    double number(const QString &prefix, int k) const { return number(prefix + QString::number(k)); }
    QLabel *label(const QString &name) const;

    // Runs an action of the screen; an error it raises is shown in the standard error box and
    // stops the action there, keeping whatever it had already written. When the error names a
    // box of this screen, the box gets the focus with its text selected, so the user sees
    // which one to correct.
    void guard(const std::function<void()> &action);

    // Connects a button or clickable label to a handler of the screen, guarded.
    template <class T>
    void onClick(QObject *sender, void (T::*handler)())
    {
        connectClicked(sender, [this, handler] { guard([this, handler] { (static_cast<T *>(this)->*handler)(); }); });
    }

signals:
    void hidden();

protected:
    // Lays the screen out: its boxes, rows of cells, buttons and charts (into body()).
    virtual void build() {}
    // Runs once after build(): lets a screen settle its Tab order. By default the order is the
    // reading order in which the screen created its controls.
    virtual void arrangeTabOrder() {}
    // Tab order: every box and list in reading order first, then the buttons and clickable
    // labels in reading order.
    void tabBoxesThenButtons();
    virtual void OnActivate() {}
    virtual void OnClose() {}
    // Whether present() maximises the window.
    virtual bool maximised() const { return true; }

    // The content area: screens lay their rows out in it. It scrolls when the window is smaller
    // than the content.
    QVBoxLayout *body() const { return m_body; }

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectClicked(QObject *sender, std::function<void()> slot);
    void focusField(const QString &field);
    void indexControls() const;

    ScreenHost &m_host;
    QVBoxLayout *m_body = nullptr;
    mutable QHash<QString, QPointer<QWidget>> m_controls;
    bool m_inActivate = false;
    bool m_built = false;
};

} // namespace verdeval
