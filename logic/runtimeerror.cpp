#include "runtimeerror.h"

using namespace Qt::StringLiterals;

namespace {

QString describe(RuntimeError::Code code)
{
    switch (code) {
    case RuntimeError::Code::InvalidArgument:
        return u"Невалиден аргумент"_s;
    case RuntimeError::Code::Overflow:
        return u"Препълване"_s;
    case RuntimeError::Code::NoSuchControl:
        return u"Няма такъв елемент в масива от контроли"_s;
    case RuntimeError::Code::InvalidListIndex:
        return u"Невалиден индекс на елемент от списък"_s;
    }
    return u"Неизвестна грешка"_s;
}

} // namespace

RuntimeError::RuntimeError(Code code)
    : m_code(code)
    , m_utf8(message().toUtf8())
{
}

QString RuntimeError::message() const
{
    return u"Грешка при изпълнение %1: %2"_s.arg(int(m_code)).arg(describe(m_code));
}
