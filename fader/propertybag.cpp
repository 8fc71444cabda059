#include "fader/propertybag.h"

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values)
{
    for (const auto& [key, value] : values)
        m_entries.insert(folded(key), {key, value});
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    const auto it = m_entries.constFind(folded(key));
    return it == m_entries.constEnd() ? defaultValue : it->value;
}

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    if (value == defaultValue)
        m_entries.remove(folded(key));
    else
        m_entries.insert(folded(key), {key, value});
}

bool PropertyBag::contains(const QString& key) const
{
    return m_entries.contains(folded(key));
}

QStringList PropertyBag::keys() const
{
    QStringList out;
    for (const auto& entry : m_entries)
        out << entry.key;
    return out;
}

void PropertyBag::markChanged(const QString& key)
{
    m_changed.insert(folded(key));
}

bool PropertyBag::isChanged(const QString& key) const
{
    return m_changed.contains(folded(key));
}
