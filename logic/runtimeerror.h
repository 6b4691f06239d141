#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// An error the program cannot carry on from: a number that does not fit,
// a position outside a list, a control that does not exist. Nothing in the
// logic catches it; it ends the program with a report that names it.
class RuntimeError : public std::exception
{
public:
    enum class Code {
        InvalidArgument = 5,
        Overflow = 6,
        NoSuchControl = 340,
        InvalidListIndex = 381,
    };

    explicit RuntimeError(Code code);

    Code code() const noexcept { return m_code; }
    // The report shown to the user, e.g. "Грешка при изпълнение 6: Препълване".
    QString message() const;
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    Code m_code;
    QByteArray m_utf8;
};
