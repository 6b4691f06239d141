#include "catalogue.h"

using namespace Qt::StringLiterals;

QStringList Catalogue()
{
    return {
        u"Спиди"_s,
        u"Тип Топ Куриер"_s,
        u"Еконт експрес"_s,
        u"Европът 2000"_s,
        u"Direct"_s,
        u"Сити Експрес"_s,
        u"Д&Д Експрес"_s,
        u"Ин Тайм"_s,
        u"Интерлогистика"_s,
        u"Български пощи"_s,
        u"МиБМ Експрес"_s,
        u"Арамекс"_s,
        u"Бизнес Куриер"_s,
        u"Експресо"_s,
        u"ИНСИ"_s,
        u"Алфа Експрес"_s,
        u"Полипост"_s,
        u"THT"_s,
        u"DHL"_s,
        u"UPS"_s,
        u"OCB"_s,
    };
}
