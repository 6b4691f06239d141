#include "runcommand.h"

#include "formcontrols.h"

using namespace Qt::StringLiterals;

namespace {

const QString LineBreak = u"\r\n"_s;

void showItems(ListControl &display, const ListControl &source, Integer last)
{
    display.Clear();
    for (Integer i = 0; i <= last; ++i)
        display.AddItem(source.List(i));
}

// A length key is two digits and a hyphen before the name.
QString nameOfKey(const QString &key)
{
    const Integer keyLength = toInteger(key.size());
    const Integer nameLength = toInteger(keyLength - 3);
    if (nameLength < 0)
        throw RuntimeError(RuntimeError::Code::InvalidArgument);
    return key.right(nameLength);
}

void showNamesOfKeys(ListControl &display, const ListControl &keys, Integer last)
{
    display.Clear();
    for (Integer i = 0; i <= last; ++i)
        display.AddItem(nameOfKey(keys.List(i)));
}

void reportSelection(const ListControl &display, TextControl &message)
{
    const Integer selected = display.ListIndex();
    if (selected < 0)
        message.SetText(u"Изберете фирма!"_s + LineBreak);
    else
        message.SetText(u"Избрана фирма: "_s + display.List(selected) + LineBreak);
}

} // namespace

void RunCommand(const FormControls &form, Integer index)
{
    ListControl &display = form.List1(DisplayList);
    const Integer last = toInteger(form.List1(UserOrderList).ListCount() - 1);

    switch (index) {
    case AlphabeticalCommand:
        showItems(display, form.List1(AlphabeticalList), last);
        break;
    case ReportCommand:
        reportSelection(display, form.Text1(MessageText));
        break;
    case UserOrderCommand:
        form.Text1(MessageText).SetText(QString());
        showItems(display, form.List1(UserOrderList), last);
        break;
    case LengthCommand:
        showNamesOfKeys(display, form.List1(LengthList), last);
        break;
    default:
        break;
    }
}
