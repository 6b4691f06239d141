#include "loadlists.h"

#include "formcontrols.h"
#include "lengthkey.h"

void LoadLists(const FormControls &form)
{
    ListControl &display = form.List1(DisplayList);
    ListControl &userOrder = form.List1(UserOrderList);
    ListControl &alphabetical = form.List1(AlphabeticalList);
    ListControl &byLength = form.List1(LengthList);

    const Integer last = toInteger(userOrder.ListCount() - 1);
    display.Clear();
    alphabetical.Clear();
    // The length list is empty when the window loads; nothing else fills it.
    for (Integer i = 0; i <= last; ++i) {
        display.AddItem(userOrder.List(i));
        alphabetical.AddItem(userOrder.List(i));
        byLength.AddItem(LengthKey(userOrder.List(i)));
    }
}
