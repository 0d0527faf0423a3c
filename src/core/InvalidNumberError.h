#pragma once

#include <QString>
#include <stdexcept>

// A text that should hold a number does not.
class InvalidNumberError : public std::runtime_error {
public:
    explicit InvalidNumberError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
