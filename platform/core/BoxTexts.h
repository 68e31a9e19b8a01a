#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace verdeval {

// The texts of a screen's boxes by control name ("EGrados", "EHE7"), names matched without
// regard to case as on the screens. A calculation reads its inputs from here, so that it runs
// the same on a screen (which gathers its boxes) and without one (which fills them as the
// index's launcher would).
class BoxTexts
{
public:
    void set(const QString &name, const QString &text);
    void set(const QString &prefix, int k, const QString &text) { set(prefix + QString::number(k), text); }
    // prefix1..prefixN from the texts.
    void setRow(const QString &prefix, const QStringList &texts);

    bool has(const QString &name) const { return m_texts.contains(name.toLower()); }
    // The text of a box; the empty text for a box that is not there.
    QString text(const QString &name) const;
    QString text(const QString &prefix, int k) const { return text(prefix + QString::number(k)); }
    // The number in a box; an empty or non-numeric text raises the conversion error naming
    // the box.
    double number(const QString &name) const;
    double number(const QString &prefix, int k) const { return number(prefix + QString::number(k)); }
    // Whether any of prefix1..prefixN is empty.
    bool anyEmpty(const QString &prefix, int count) const;

    // The boxes in the order they were set, by their names as given.
    QStringList names() const { return m_order; }

private:
    QHash<QString, QString> m_texts; // by lower-case name
    QHash<QString, QString> m_names; // lower-case name -> name as given
    QStringList m_order;
};

} // namespace verdeval
