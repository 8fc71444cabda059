#include "fader/propertybag.h"

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values)
{
    for (const auto& [key, value] : values)
        m_values.insert(folded(key), value);
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    return m_values.value(folded(key), defaultValue);
}

void PropertyBag::markChanged(const QString& key)
{
    m_changed.insert(folded(key));
}

bool PropertyBag::isChanged(const QString& key) const
{
    return m_changed.contains(folded(key));
}
