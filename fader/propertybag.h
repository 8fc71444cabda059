#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

// The settings a window keeps with its design for one of its controls: keyed values,
// keys matched without regard to case, and a record of the settings changed since the
// design was handed over.
class PropertyBag final {
public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values);

    // The stored value of `key`, or `defaultValue` when none is stored.
    QVariant read(const QString& key, const QVariant& defaultValue) const;

    void markChanged(const QString& key);
    bool isChanged(const QString& key) const;
    bool hasChanges() const { return !m_changed.isEmpty(); }

private:
    static QString folded(const QString& key) { return key.toCaseFolded(); }

    QMap<QString, QVariant> m_values{}; // by case-folded key
    QSet<QString> m_changed{};          // case-folded keys
};
