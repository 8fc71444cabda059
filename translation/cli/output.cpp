#include "translation/cli/output.h"

#include "translation/cli/descriptors.h"

Output::Output(int descriptor, QString name)
    : m_descriptor(descriptor)
    , m_name(std::move(name))
    , m_terminal(Descriptors::isTerminal(descriptor))
{
}

bool Output::write(std::string_view bytes)
{
    if (m_error == 0)
        m_error = Descriptors::writeAll(m_descriptor, bytes);
    return m_error == 0;
}

bool Output::writeLine(const QString& text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    return write(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QString Output::failure() const
{
    return m_name + QStringLiteral(": ") + Descriptors::reason(m_error);
}
