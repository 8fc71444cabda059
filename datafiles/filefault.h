#pragma once

#include <QDir>
#include <QString>
#include <stdexcept>

// A data file that is missing, unreadable or malformed. It names the file and says
// what is wrong with it in plain words, so that the report shown to the user can
// be made from it alone: "/opt/verbolet/Skins/Default/xup.btn: file not found".
class FileFault final : public std::runtime_error {
public:
    FileFault(const QString& path, const QString& fault)
        : std::runtime_error(compose(path, fault).toStdString())
        , m_path(path)
        , m_fault(fault)
    {
    }

    const QString& path() const { return m_path; }
    const QString& fault() const { return m_fault; }
    QString message() const { return compose(m_path, m_fault); }

private:
    static QString compose(const QString& path, const QString& fault)
    {
        return QDir::toNativeSeparators(path) + QStringLiteral(": ") + fault;
    }

    QString m_path;
    QString m_fault;
};
