#pragma once

#include <QStringList>

// The catalogue in each of its three orders, as a person checking the
// program by hand would write them down.
namespace ExpectedOrder {

using namespace Qt::StringLiterals;

inline const QStringList userOrder{
    u"Спиди"_s, u"Тип Топ Куриер"_s, u"Еконт експрес"_s, u"Европът 2000"_s, u"Direct"_s,
    u"Сити Експрес"_s, u"Д&Д Експрес"_s, u"Ин Тайм"_s, u"Интерлогистика"_s,
    u"Български пощи"_s, u"МиБМ Експрес"_s, u"Арамекс"_s, u"Бизнес Куриер"_s,
    u"Експресо"_s, u"ИНСИ"_s, u"Алфа Експрес"_s, u"Полипост"_s, u"THT"_s, u"DHL"_s,
    u"UPS"_s, u"OCB"_s,
};

inline const QStringList alphabetical{
    u"DHL"_s, u"Direct"_s, u"OCB"_s, u"THT"_s, u"UPS"_s, u"Алфа Експрес"_s, u"Арамекс"_s,
    u"Бизнес Куриер"_s, u"Български пощи"_s, u"Д&Д Експрес"_s, u"Европът 2000"_s,
    u"Еконт експрес"_s, u"Експресо"_s, u"Ин Тайм"_s, u"ИНСИ"_s, u"Интерлогистика"_s,
    u"МиБМ Експрес"_s, u"Полипост"_s, u"Сити Експрес"_s, u"Спиди"_s, u"Тип Топ Куриер"_s,
};

inline const QStringList lengthKeys{
    u"03-DHL"_s, u"03-OCB"_s, u"03-THT"_s, u"03-UPS"_s, u"04-ИНСИ"_s, u"05-Спиди"_s,
    u"06-Direct"_s, u"07-Арамекс"_s, u"07-Ин Тайм"_s, u"08-Експресо"_s, u"08-Полипост"_s,
    u"11-Д&Д Експрес"_s, u"12-Алфа Експрес"_s, u"12-Европът 2000"_s, u"12-МиБМ Експрес"_s,
    u"12-Сити Експрес"_s, u"13-Бизнес Куриер"_s, u"13-Еконт експрес"_s,
    u"14-Български пощи"_s, u"14-Интерлогистика"_s, u"14-Тип Топ Куриер"_s,
};

inline const QStringList byLength{
    u"DHL"_s, u"OCB"_s, u"THT"_s, u"UPS"_s, u"ИНСИ"_s, u"Спиди"_s, u"Direct"_s, u"Арамекс"_s,
    u"Ин Тайм"_s, u"Експресо"_s, u"Полипост"_s, u"Д&Д Експрес"_s, u"Алфа Експрес"_s,
    u"Европът 2000"_s, u"МиБМ Експрес"_s, u"Сити Експрес"_s, u"Бизнес Куриер"_s,
    u"Еконт експрес"_s, u"Български пощи"_s, u"Интерлогистика"_s, u"Тип Топ Куриер"_s,
};

inline const QString nothingSelected = u"Изберете фирма!\r\n"_s;

inline QString selected(const QString &firm)
{
    return u"Избрана фирма: "_s + firm + u"\r\n"_s;
}

} // namespace ExpectedOrder
