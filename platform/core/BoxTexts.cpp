#include "platform/core/BoxTexts.h"

#include "platform/core/NumberText.h"

namespace verdeval {

void BoxTexts::set(const QString &name, const QString &text)
{
    const QString key = name.toLower();
    if (!m_texts.contains(key)) {
        m_order << name;
        m_names.insert(key, name);
    }
    m_texts.insert(key, text);
}

void BoxTexts::setRow(const QString &prefix, const QStringList &texts)
{
    for (int k = 0; k < texts.size(); ++k)
        set(prefix, k + 1, texts.at(k));
}

QString BoxTexts::text(const QString &name) const { return m_texts.value(name.toLower()); }

double BoxTexts::number(const QString &name) const
{
    const auto it = m_names.constFind(name.toLower());
    return strToFloat(text(name), it == m_names.constEnd() ? name : *it);
}

bool BoxTexts::anyEmpty(const QString &prefix, int count) const
{
    for (int k = 1; k <= count; ++k)
        if (text(prefix, k).isEmpty())
            return true;
    return false;
}

} // namespace verdeval
