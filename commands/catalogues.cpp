#include "commands/catalogues.h"

#include "model/maintyp.h"

#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace velmora {
namespace {

struct CatalogueEntry {
    uint16_t Code;
    std::string_view Name;
};

// Points: type in the high byte, subtype in the low byte.
constexpr CatalogueEntry PointEntries[] = {
    {0x0100, QT_TRANSLATE_NOOP("Catalogue", "Мегаполис (свыше 10 млн.)")},
    {0x0200, QT_TRANSLATE_NOOP("Catalogue", "Мегаполис (5-10 млн.)")},
    {0x0300, QT_TRANSLATE_NOOP("Catalogue", "Крупный город (2-5 млн.)")},
    {0x0400, QT_TRANSLATE_NOOP("Catalogue", "Крупный город (1-2 млн.)")},
    {0x0500, QT_TRANSLATE_NOOP("Catalogue", "Крупный город (0.5-1 млн.)")},
    {0x0600, QT_TRANSLATE_NOOP("Catalogue", "Город (200-500 тыс.)")},
    {0x0700, QT_TRANSLATE_NOOP("Catalogue", "Город (100-200 тыс.)")},
    {0x0800, QT_TRANSLATE_NOOP("Catalogue", "Город (50-100 тыс.)")},
    {0x0900, QT_TRANSLATE_NOOP("Catalogue", "Город (20-50 тыс.)")},
    {0x0a00, QT_TRANSLATE_NOOP("Catalogue", "Городок (10-20 тыс.)")},
    {0x0b00, QT_TRANSLATE_NOOP("Catalogue", "Городок (5-10 тыс.)")},
    {0x0c00, QT_TRANSLATE_NOOP("Catalogue", "Поселок (2-5 тыс.)")},
    {0x0d00, QT_TRANSLATE_NOOP("Catalogue", "Поселок (1-2 тыс.)")},
    {0x0e00, QT_TRANSLATE_NOOP("Catalogue", "Поселок (500-1000)")},
    {0x0f00, QT_TRANSLATE_NOOP("Catalogue", "Поселок (200-500)")},
    {0x1000, QT_TRANSLATE_NOOP("Catalogue", "Поселок (100-200)")},
    {0x1100, QT_TRANSLATE_NOOP("Catalogue", "Поселок (менее 100)")},
    {0x1200, QT_TRANSLATE_NOOP("Catalogue", "Пристань для яхт")},
    {0x1400, QT_TRANSLATE_NOOP("Catalogue", "Название крупной страны")},
    {0x1500, QT_TRANSLATE_NOOP("Catalogue", "Название страны")},
    {0x1600, QT_TRANSLATE_NOOP("Catalogue", "Маяк")},
    {0x1601, QT_TRANSLATE_NOOP("Catalogue", "Туманный горн")},
    {0x1602, QT_TRANSLATE_NOOP("Catalogue", "Радиомаяк")},
    {0x1603, QT_TRANSLATE_NOOP("Catalogue", "Радиолокационный маяк")},
    {0x1604, QT_TRANSLATE_NOOP("Catalogue", "Знак дневной красный треугольный")},
    {0x1605, QT_TRANSLATE_NOOP("Catalogue", "Знак дневной зелёный квадратный")},
    {0x1606, QT_TRANSLATE_NOOP("Catalogue", "Знак дневной белый ромбовидный")},
    {0x1607, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак белый без огня")},
    {0x1608, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак красный без огня")},
    {0x1609, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак зелёный без огня")},
    {0x160a, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак чёрный без огня")},
    {0x160b, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак жёлтый без огня")},
    {0x160c, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак оранжевый без огня")},
    {0x160d, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак многоцветный без огня")},
    {0x160e, QT_TRANSLATE_NOOP("Catalogue", "Навигационный знак")},
    {0x160f, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь белый")},
    {0x1610, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь красный")},
    {0x1611, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь зелёный")},
    {0x1612, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь жёлтый")},
    {0x1613, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь оранжевый")},
    {0x1614, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь фиолетовый")},
    {0x1615, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь синий")},
    {0x1616, QT_TRANSLATE_NOOP("Catalogue", "Навигационный огонь многоцветный")},
    {0x1e00, QT_TRANSLATE_NOOP("Catalogue", "Название области, провинции")},
    {0x1f00, QT_TRANSLATE_NOOP("Catalogue", "Название района")},
    {0x2800, QT_TRANSLATE_NOOP("Catalogue", "Надпись")},
    {0x1c00, QT_TRANSLATE_NOOP("Catalogue", "Водная преграда")},
    {0x1c01, QT_TRANSLATE_NOOP("Catalogue", "Затонувшее судно")},
    {0x1c02, QT_TRANSLATE_NOOP("Catalogue", "Затонувшее судно, опасное")},
    {0x1c03, QT_TRANSLATE_NOOP("Catalogue", "Затонувшее судно, неопасное")},
    {0x1c04, QT_TRANSLATE_NOOP("Catalogue", "Затонувшее судно, обследованное тралом")},
    {0x1c05, QT_TRANSLATE_NOOP("Catalogue", "Препятствие, видимое в прилив")},
    {0x1c06, QT_TRANSLATE_NOOP("Catalogue", "Препятствие, осыхающее")},
    {0x1c07, QT_TRANSLATE_NOOP("Catalogue", "Препятствие подводное")},
    {0x1c08, QT_TRANSLATE_NOOP("Catalogue", "Препятствие, обследованное тралом")},
    {0x1c09, QT_TRANSLATE_NOOP("Catalogue", "Скала осыхающая")},
    {0x1c0a, QT_TRANSLATE_NOOP("Catalogue", "Скала подводная")},
    {0x1c0b, QT_TRANSLATE_NOOP("Catalogue", "Отметка глубины")},
    {0x1d00, QT_TRANSLATE_NOOP("Catalogue", "Таблица приливов")},
    {0x2000, QT_TRANSLATE_NOOP("Catalogue", "Съезд с магистрали")},
    {0x2100, QT_TRANSLATE_NOOP("Catalogue", "Съезд с обслуживанием")},
    {0x210F, QT_TRANSLATE_NOOP("Catalogue", "Съезд к сервису")},
    {0x2200, QT_TRANSLATE_NOOP("Catalogue", "Съезд к туалету")},
    {0x2300, QT_TRANSLATE_NOOP("Catalogue", "Съезд к магазину")},
    {0x2400, QT_TRANSLATE_NOOP("Catalogue", "Весовая станция")},
    {0x2500, QT_TRANSLATE_NOOP("Catalogue", "Пункт оплаты проезда")},
    {0x2600, QT_TRANSLATE_NOOP("Catalogue", "Съезд к информации")},
    {0x2700, QT_TRANSLATE_NOOP("Catalogue", "Съезд")},
    {0x2900, QT_TRANSLATE_NOOP("Catalogue", "Прочие услуги")},
    {0x2a00, QT_TRANSLATE_NOOP("Catalogue", "Предприятие питания")},
    {0x2a01, QT_TRANSLATE_NOOP("Catalogue", "Ресторан американской кухни")},
    {0x2a02, QT_TRANSLATE_NOOP("Catalogue", "Ресторан азиатской кухни")},
    {0x2a03, QT_TRANSLATE_NOOP("Catalogue", "Барбекю")},
    {0x2a04, QT_TRANSLATE_NOOP("Catalogue", "Ресторан китайской кухни")},
    {0x2a05, QT_TRANSLATE_NOOP("Catalogue", "Кулинария, пекарня")},
    {0x2a06, QT_TRANSLATE_NOOP("Catalogue", "Ресторан международной кухни")},
    {0x2a07, QT_TRANSLATE_NOOP("Catalogue", "Быстрое питание")},
    {0x2a08, QT_TRANSLATE_NOOP("Catalogue", "Ресторан итальянской кухни")},
    {0x2a09, QT_TRANSLATE_NOOP("Catalogue", "Ресторан мексиканской кухни")},
    {0x2a0a, QT_TRANSLATE_NOOP("Catalogue", "Пиццерия")},
    {0x2a0b, QT_TRANSLATE_NOOP("Catalogue", "Рыбный ресторан")},
    {0x2a0c, QT_TRANSLATE_NOOP("Catalogue", "Гриль, стейк-хаус")},
    {0x2a0d, QT_TRANSLATE_NOOP("Catalogue", "Пончики, бублики")},
    {0x2a0e, QT_TRANSLATE_NOOP("Catalogue", "Кафе")},
    {0x2a0f, QT_TRANSLATE_NOOP("Catalogue", "Ресторан французской кухни")},
    {0x2a10, QT_TRANSLATE_NOOP("Catalogue", "Ресторан немецкой кухни")},
    {0x2a11, QT_TRANSLATE_NOOP("Catalogue", "Ресторан британской кухни")},
    {0x2a12, QT_TRANSLATE_NOOP("Catalogue", "Особая кухня")},
    {0x2b00, QT_TRANSLATE_NOOP("Catalogue", "Гостиница")},
    {0x2b01, QT_TRANSLATE_NOOP("Catalogue", "Отель, мотель")},
    {0x2b02, QT_TRANSLATE_NOOP("Catalogue", "Гостевой дом")},
    {0x2b03, QT_TRANSLATE_NOOP("Catalogue", "Кемпинг")},
    {0x2b04, QT_TRANSLATE_NOOP("Catalogue", "Курорт")},
    {0x2c00, QT_TRANSLATE_NOOP("Catalogue", "Объект культуры, досуга")},
    {0x2c01, QT_TRANSLATE_NOOP("Catalogue", "Парк развлечений")},
    {0x2c02, QT_TRANSLATE_NOOP("Catalogue", "Музей, исторический объект")},
    {0x2c03, QT_TRANSLATE_NOOP("Catalogue", "Библиотека")},
    {0x2c04, QT_TRANSLATE_NOOP("Catalogue", "Достопримечательность")},
    {0x2c05, QT_TRANSLATE_NOOP("Catalogue", "Школа")},
    {0x2c06, QT_TRANSLATE_NOOP("Catalogue", "Парк, сад")},
    {0x2c07, QT_TRANSLATE_NOOP("Catalogue", "Зоопарк, аквариум")},
    {0x2c08, QT_TRANSLATE_NOOP("Catalogue", "Стадион, арена")},
    {0x2c09, QT_TRANSLATE_NOOP("Catalogue", "Концертный зал")},
    {0x2c0a, QT_TRANSLATE_NOOP("Catalogue", "Винодельня")},
    {0x2c0b, QT_TRANSLATE_NOOP("Catalogue", "Храм, место поклонения")},
    {0x2d00, QT_TRANSLATE_NOOP("Catalogue", "Развлекательное заведение")},
    {0x2d01, QT_TRANSLATE_NOOP("Catalogue", "Театр")},
    {0x2d02, QT_TRANSLATE_NOOP("Catalogue", "Бар, ночной клуб")},
    {0x2d03, QT_TRANSLATE_NOOP("Catalogue", "Кинотеатр")},
    {0x2d04, QT_TRANSLATE_NOOP("Catalogue", "Казино")},
    {0x2d05, QT_TRANSLATE_NOOP("Catalogue", "Гольф-клуб")},
    {0x2d06, QT_TRANSLATE_NOOP("Catalogue", "Лыжный центр")},
    {0x2d07, QT_TRANSLATE_NOOP("Catalogue", "Боулинг")},
    {0x2d08, QT_TRANSLATE_NOOP("Catalogue", "Каток")},
    {0x2d09, QT_TRANSLATE_NOOP("Catalogue", "Бассейн")},
    {0x2d0a, QT_TRANSLATE_NOOP("Catalogue", "Спортивный, фитнес-центр")},
    {0x2d0b, QT_TRANSLATE_NOOP("Catalogue", "Аэродром спортивный")},
    {0x2e00, QT_TRANSLATE_NOOP("Catalogue", "Торговый объект")},
    {0x2e01, QT_TRANSLATE_NOOP("Catalogue", "Универмаг")},
    {0x2e02, QT_TRANSLATE_NOOP("Catalogue", "Продуктовый магазин")},
    {0x2e03, QT_TRANSLATE_NOOP("Catalogue", "Универсальный магазин")},
    {0x2e04, QT_TRANSLATE_NOOP("Catalogue", "Торговый центр")},
    {0x2e05, QT_TRANSLATE_NOOP("Catalogue", "Аптека")},
    {0x2e06, QT_TRANSLATE_NOOP("Catalogue", "Магазин повседневных товаров")},
    {0x2e07, QT_TRANSLATE_NOOP("Catalogue", "Магазин одежды")},
    {0x2e08, QT_TRANSLATE_NOOP("Catalogue", "Товары для дома и сада")},
    {0x2e09, QT_TRANSLATE_NOOP("Catalogue", "Мебельный магазин")},
    {0x2e0a, QT_TRANSLATE_NOOP("Catalogue", "Специализированный магазин")},
    {0x2e0b, QT_TRANSLATE_NOOP("Catalogue", "Компьютерный магазин")},
    {0x2f00, QT_TRANSLATE_NOOP("Catalogue", "Услуги")},
    {0x2f01, QT_TRANSLATE_NOOP("Catalogue", "АЗС")},
    {0x2f02, QT_TRANSLATE_NOOP("Catalogue", "Прокат автомобилей")},
    {0x2f03, QT_TRANSLATE_NOOP("Catalogue", "Автосервис")},
    {0x2f04, QT_TRANSLATE_NOOP("Catalogue", "Аэропорт")},
    {0x2f05, QT_TRANSLATE_NOOP("Catalogue", "Почта")},
    {0x2f06, QT_TRANSLATE_NOOP("Catalogue", "Банк, банкомат")},
    {0x2f07, QT_TRANSLATE_NOOP("Catalogue", "Автосалон")},
    {0x2f08, QT_TRANSLATE_NOOP("Catalogue", "Остановка общественного транспорта")},
    {0x2f09, QT_TRANSLATE_NOOP("Catalogue", "Пристань, причал")},
    {0x2f0a, QT_TRANSLATE_NOOP("Catalogue", "Эвакуатор")},
    {0x2f0b, QT_TRANSLATE_NOOP("Catalogue", "Автостоянка")},
    {0x2f0c, QT_TRANSLATE_NOOP("Catalogue", "Место отдыха, туристическая информация")},
    {0x2f0d, QT_TRANSLATE_NOOP("Catalogue", "Автоклуб")},
    {0x2f0e, QT_TRANSLATE_NOOP("Catalogue", "Автомойка")},
    {0x2f0f, QT_TRANSLATE_NOOP("Catalogue", "Дилер Garmin")},
    {0x2f10, QT_TRANSLATE_NOOP("Catalogue", "Бытовые услуги")},
    {0x2f11, QT_TRANSLATE_NOOP("Catalogue", "Деловые услуги")},
    {0x2f12, QT_TRANSLATE_NOOP("Catalogue", "Связь")},
    {0x2f13, QT_TRANSLATE_NOOP("Catalogue", "Ремонтная мастерская")},
    {0x2f14, QT_TRANSLATE_NOOP("Catalogue", "Социальная служба")},
    {0x2f15, QT_TRANSLATE_NOOP("Catalogue", "Коммунальная служба")},
    {0x2f16, QT_TRANSLATE_NOOP("Catalogue", "Стоянка грузовиков")},
    {0x2f17, QT_TRANSLATE_NOOP("Catalogue", "Транспортная служба")},
    {0x3000, QT_TRANSLATE_NOOP("Catalogue", "Государственная или экстренная служба")},
    {0x3001, QT_TRANSLATE_NOOP("Catalogue", "Полиция")},
    {0x3002, QT_TRANSLATE_NOOP("Catalogue", "Больница")},
    {0x3003, QT_TRANSLATE_NOOP("Catalogue", "Мэрия, администрация")},
    {0x3004, QT_TRANSLATE_NOOP("Catalogue", "Суд")},
    {0x3005, QT_TRANSLATE_NOOP("Catalogue", "Общественный центр")},
    {0x3006, QT_TRANSLATE_NOOP("Catalogue", "Пограничный переход")},
    {0x3007, QT_TRANSLATE_NOOP("Catalogue", "Государственное учреждение")},
    {0x3008, QT_TRANSLATE_NOOP("Catalogue", "Пожарная часть")},
    {0x4000, QT_TRANSLATE_NOOP("Catalogue", "Поле для гольфа")},
    {0x4100, QT_TRANSLATE_NOOP("Catalogue", "Место для рыбалки")},
    {0x4200, QT_TRANSLATE_NOOP("Catalogue", "Затонувшее судно")},
    {0x4300, QT_TRANSLATE_NOOP("Catalogue", "Яхтенная стоянка")},
    {0x4400, QT_TRANSLATE_NOOP("Catalogue", "Заправка")},
    {0x4500, QT_TRANSLATE_NOOP("Catalogue", "Ресторан")},
    {0x4600, QT_TRANSLATE_NOOP("Catalogue", "Бар")},
    {0x4700, QT_TRANSLATE_NOOP("Catalogue", "Спуск для лодок")},
    {0x4800, QT_TRANSLATE_NOOP("Catalogue", "Кемпинг")},
    {0x4900, QT_TRANSLATE_NOOP("Catalogue", "Парк")},
    {0x4a00, QT_TRANSLATE_NOOP("Catalogue", "Место для пикника")},
    {0x4b00, QT_TRANSLATE_NOOP("Catalogue", "Медпункт")},
    {0x4c00, QT_TRANSLATE_NOOP("Catalogue", "Информация")},
    {0x4d00, QT_TRANSLATE_NOOP("Catalogue", "Стоянка")},
    {0x4e00, QT_TRANSLATE_NOOP("Catalogue", "Туалет")},
    {0x4f00, QT_TRANSLATE_NOOP("Catalogue", "Душ")},
    {0x5000, QT_TRANSLATE_NOOP("Catalogue", "Питьевая вода")},
    {0x5100, QT_TRANSLATE_NOOP("Catalogue", "Телефон")},
    {0x5200, QT_TRANSLATE_NOOP("Catalogue", "Живописное место")},
    {0x5300, QT_TRANSLATE_NOOP("Catalogue", "Лыжный спуск")},
    {0x5400, QT_TRANSLATE_NOOP("Catalogue", "Место для купания")},
    {0x5500, QT_TRANSLATE_NOOP("Catalogue", "Плотина")},
    {0x5600, QT_TRANSLATE_NOOP("Catalogue", "Запретная зона")},
    {0x5700, QT_TRANSLATE_NOOP("Catalogue", "Опасная зона")},
    {0x5800, QT_TRANSLATE_NOOP("Catalogue", "Закрытая зона")},
    {0x5900, QT_TRANSLATE_NOOP("Catalogue", "Аэропорт")},
    {0x5901, QT_TRANSLATE_NOOP("Catalogue", "Аэропорт крупный")},
    {0x5902, QT_TRANSLATE_NOOP("Catalogue", "Аэропорт средний")},
    {0x5903, QT_TRANSLATE_NOOP("Catalogue", "Аэропорт малый")},
    {0x5904, QT_TRANSLATE_NOOP("Catalogue", "Вертолётная площадка")},
    {0x5905, QT_TRANSLATE_NOOP("Catalogue", "Аэродром")},
    {0x5a00, QT_TRANSLATE_NOOP("Catalogue", "Километровый столб")},
    {0x5b00, QT_TRANSLATE_NOOP("Catalogue", "Колокол")},
    {0x5c00, QT_TRANSLATE_NOOP("Catalogue", "Место для дайвинга")},
    {0x5d00, QT_TRANSLATE_NOOP("Catalogue", "Дневной знак зелёный квадратный")},
    {0x5e00, QT_TRANSLATE_NOOP("Catalogue", "Дневной знак красный треугольный")},
    {0x6000, QT_TRANSLATE_NOOP("Catalogue", "Громкоговоритель")},
    {0x6100, QT_TRANSLATE_NOOP("Catalogue", "Дом")},
    {0x6200, QT_TRANSLATE_NOOP("Catalogue", "Отметка глубины")},
    {0x6300, QT_TRANSLATE_NOOP("Catalogue", "Отметка высоты")},
    {0x6400, QT_TRANSLATE_NOOP("Catalogue", "Искусственное сооружение")},
    {0x6401, QT_TRANSLATE_NOOP("Catalogue", "Мост")},
    {0x6402, QT_TRANSLATE_NOOP("Catalogue", "Здание")},
    {0x6403, QT_TRANSLATE_NOOP("Catalogue", "Кладбище")},
    {0x6404, QT_TRANSLATE_NOOP("Catalogue", "Церковь")},
    {0x6405, QT_TRANSLATE_NOOP("Catalogue", "Общественное здание")},
    {0x6406, QT_TRANSLATE_NOOP("Catalogue", "Переезд, перекрёсток")},
    {0x6407, QT_TRANSLATE_NOOP("Catalogue", "Дамба")},
    {0x6408, QT_TRANSLATE_NOOP("Catalogue", "Больница")},
    {0x6409, QT_TRANSLATE_NOOP("Catalogue", "Насыпь, вал")},
    {0x640a, QT_TRANSLATE_NOOP("Catalogue", "Урочище")},
    {0x640b, QT_TRANSLATE_NOOP("Catalogue", "Военный объект")},
    {0x640c, QT_TRANSLATE_NOOP("Catalogue", "Шахта, рудник")},
    {0x640d, QT_TRANSLATE_NOOP("Catalogue", "Нефтяное месторождение")},
    {0x640e, QT_TRANSLATE_NOOP("Catalogue", "Парк")},
    {0x640f, QT_TRANSLATE_NOOP("Catalogue", "Почтовое отделение")},
    {0x6410, QT_TRANSLATE_NOOP("Catalogue", "Учебное заведение")},
    {0x6411, QT_TRANSLATE_NOOP("Catalogue", "Башня, вышка")},
    {0x6412, QT_TRANSLATE_NOOP("Catalogue", "Тропа")},
    {0x6413, QT_TRANSLATE_NOOP("Catalogue", "Тоннель")},
    {0x6414, QT_TRANSLATE_NOOP("Catalogue", "Колодец, скважина")},
    {0x6415, QT_TRANSLATE_NOOP("Catalogue", "Исторический город")},
    {0x6416, QT_TRANSLATE_NOOP("Catalogue", "Жилой квартал")},
    {0x6500, QT_TRANSLATE_NOOP("Catalogue", "Объект гидрографии")},
    {0x6501, QT_TRANSLATE_NOOP("Catalogue", "Сухое русло")},
    {0x6502, QT_TRANSLATE_NOOP("Catalogue", "Песчаная отмель")},
    {0x6503, QT_TRANSLATE_NOOP("Catalogue", "Залив")},
    {0x6504, QT_TRANSLATE_NOOP("Catalogue", "Излучина реки")},
    {0x6505, QT_TRANSLATE_NOOP("Catalogue", "Канал")},
    {0x6506, QT_TRANSLATE_NOOP("Catalogue", "Пролив, протока")},
    {0x6507, QT_TRANSLATE_NOOP("Catalogue", "Бухта")},
    {0x6508, QT_TRANSLATE_NOOP("Catalogue", "Водопад")},
    {0x6509, QT_TRANSLATE_NOOP("Catalogue", "Гейзер")},
    {0x650a, QT_TRANSLATE_NOOP("Catalogue", "Ледник")},
    {0x650b, QT_TRANSLATE_NOOP("Catalogue", "Гавань")},
    {0x650c, QT_TRANSLATE_NOOP("Catalogue", "Остров")},
    {0x650d, QT_TRANSLATE_NOOP("Catalogue", "Озеро")},
    {0x650e, QT_TRANSLATE_NOOP("Catalogue", "Пороги")},
    {0x650f, QT_TRANSLATE_NOOP("Catalogue", "Водохранилище")},
    {0x6510, QT_TRANSLATE_NOOP("Catalogue", "Море")},
    {0x6511, QT_TRANSLATE_NOOP("Catalogue", "Родник")},
    {0x6512, QT_TRANSLATE_NOOP("Catalogue", "Ручей")},
    {0x6513, QT_TRANSLATE_NOOP("Catalogue", "Болото")},
    {0x6600, QT_TRANSLATE_NOOP("Catalogue", "Природный наземный объект")},
    {0x6601, QT_TRANSLATE_NOOP("Catalogue", "Скальная арка")},
    {0x6602, QT_TRANSLATE_NOOP("Catalogue", "Местность")},
    {0x6603, QT_TRANSLATE_NOOP("Catalogue", "Котловина")},
    {0x6604, QT_TRANSLATE_NOOP("Catalogue", "Пляж")},
    {0x6605, QT_TRANSLATE_NOOP("Catalogue", "Уступ, терраса")},
    {0x6606, QT_TRANSLATE_NOOP("Catalogue", "Мыс")},
    {0x6607, QT_TRANSLATE_NOOP("Catalogue", "Утёс, обрыв")},
    {0x6608, QT_TRANSLATE_NOOP("Catalogue", "Кратер")},
    {0x6609, QT_TRANSLATE_NOOP("Catalogue", "Равнина, плато")},
    {0x660a, QT_TRANSLATE_NOOP("Catalogue", "Лес")},
    {0x660b, QT_TRANSLATE_NOOP("Catalogue", "Перевал")},
    {0x660c, QT_TRANSLATE_NOOP("Catalogue", "Ущелье")},
    {0x660d, QT_TRANSLATE_NOOP("Catalogue", "Перешеек")},
    {0x660e, QT_TRANSLATE_NOOP("Catalogue", "Лавовое поле")},
    {0x660f, QT_TRANSLATE_NOOP("Catalogue", "Скальный столб")},
    {0x6610, QT_TRANSLATE_NOOP("Catalogue", "Низменность")},
    {0x6611, QT_TRANSLATE_NOOP("Catalogue", "Горный хребет")},
    {0x6612, QT_TRANSLATE_NOOP("Catalogue", "Заповедник")},
    {0x6613, QT_TRANSLATE_NOOP("Catalogue", "Гряда")},
    {0x6614, QT_TRANSLATE_NOOP("Catalogue", "Скала")},
    {0x6615, QT_TRANSLATE_NOOP("Catalogue", "Склон")},
    {0x6616, QT_TRANSLATE_NOOP("Catalogue", "Вершина")},
    {0x6617, QT_TRANSLATE_NOOP("Catalogue", "Долина")},
    {0x6618, QT_TRANSLATE_NOOP("Catalogue", "Роща")},
};

constexpr CatalogueEntry LineEntries[] = {
    {0x00, QT_TRANSLATE_NOOP("Catalogue", "Дорога")},
    {0x01, QT_TRANSLATE_NOOP("Catalogue", "Автомагистраль")},
    {0x02, QT_TRANSLATE_NOOP("Catalogue", "Шоссе основное")},
    {0x03, QT_TRANSLATE_NOOP("Catalogue", "Прочие загородные дороги")},
    {0x04, QT_TRANSLATE_NOOP("Catalogue", "Городская магистраль")},
    {0x05, QT_TRANSLATE_NOOP("Catalogue", "Улица крупная")},
    {0x06, QT_TRANSLATE_NOOP("Catalogue", "Улица малая")},
    {0x07, QT_TRANSLATE_NOOP("Catalogue", "Переулок, внутриквартальный проезд")},
    {0x08, QT_TRANSLATE_NOOP("Catalogue", "Наклонный съезд с путепровода")},
    {0x09, QT_TRANSLATE_NOOP("Catalogue", "Наклонный съезд с путепровода скоростной")},
    {0x0a, QT_TRANSLATE_NOOP("Catalogue", "Грунтовая дорога")},
    {0x0b, QT_TRANSLATE_NOOP("Catalogue", "Соединительное шоссе")},
    {0x0c, QT_TRANSLATE_NOOP("Catalogue", "Круговое движение")},
    {0x16, QT_TRANSLATE_NOOP("Catalogue", "Аллея, тропа")},
    {0x14, QT_TRANSLATE_NOOP("Catalogue", "Железная дорога")},
    {0x1a, QT_TRANSLATE_NOOP("Catalogue", "Паром")},
    {0x1b, QT_TRANSLATE_NOOP("Catalogue", "Паром")},
    {0x19, QT_TRANSLATE_NOOP("Catalogue", "Граница часового пояса")},
    {0x1e, QT_TRANSLATE_NOOP("Catalogue", "Международная граница")},
    {0x1c, QT_TRANSLATE_NOOP("Catalogue", "Граница области")},
    {0x1d, QT_TRANSLATE_NOOP("Catalogue", "Граница района, округа")},
    {0x15, QT_TRANSLATE_NOOP("Catalogue", "Береговая линия")},
    {0x18, QT_TRANSLATE_NOOP("Catalogue", "Ручей")},
    {0x1f, QT_TRANSLATE_NOOP("Catalogue", "Река")},
    {0x26, QT_TRANSLATE_NOOP("Catalogue", "Пересыхающая река, ручей или канава")},
    {0x20, QT_TRANSLATE_NOOP("Catalogue", "Горизонталь вспомогательная")},
    {0x21, QT_TRANSLATE_NOOP("Catalogue", "Горизонталь основная")},
    {0x22, QT_TRANSLATE_NOOP("Catalogue", "Горизонталь утолщённая")},
    {0x23, QT_TRANSLATE_NOOP("Catalogue", "Изобата вспомогательная")},
    {0x24, QT_TRANSLATE_NOOP("Catalogue", "Изобата основная")},
    {0x25, QT_TRANSLATE_NOOP("Catalogue", "Изобата утолщённая")},
    {0x27, QT_TRANSLATE_NOOP("Catalogue", "Взлетно-посадочная полоса")},
    {0x28, QT_TRANSLATE_NOOP("Catalogue", "Трубопровод")},
    {0x29, QT_TRANSLATE_NOOP("Catalogue", "Линия электропередачи")},
    {0x2a, QT_TRANSLATE_NOOP("Catalogue", "Морская граница")},
    {0x2b, QT_TRANSLATE_NOOP("Catalogue", "Морская опасность")},
};

// The first two names are spelt with a Latin "c" in "Городcкая", as the list has always had them.
constexpr CatalogueEntry PolygonEntries[] = {
    {0x01, QT_TRANSLATE_NOOP("Catalogue", "Городcкая застройка (>200 тж)")},
    {0x02, QT_TRANSLATE_NOOP("Catalogue", "Городcкая застройка (<200 тж)")},
    {0x03, QT_TRANSLATE_NOOP("Catalogue", "Застройка сельского типа")},
    {0x04, QT_TRANSLATE_NOOP("Catalogue", "Военная база")},
    {0x05, QT_TRANSLATE_NOOP("Catalogue", "Автостоянка")},
    {0x06, QT_TRANSLATE_NOOP("Catalogue", "Гаражи")},
    {0x07, QT_TRANSLATE_NOOP("Catalogue", "Аэропорт")},
    {0x08, QT_TRANSLATE_NOOP("Catalogue", "Место для торговли")},
    {0x09, QT_TRANSLATE_NOOP("Catalogue", "Пристань")},
    {0x0a, QT_TRANSLATE_NOOP("Catalogue", "Территория университета или колледжа")},
    {0x0b, QT_TRANSLATE_NOOP("Catalogue", "Больница")},
    {0x0c, QT_TRANSLATE_NOOP("Catalogue", "Промышленная зона")},
    {0x0d, QT_TRANSLATE_NOOP("Catalogue", "Резервация, заповедник")},
    {0x0e, QT_TRANSLATE_NOOP("Catalogue", "Взлетно-посадочная полоса")},
    {0x13, QT_TRANSLATE_NOOP("Catalogue", "Здание, искусственное сооружение")},
    {0x14, QT_TRANSLATE_NOOP("Catalogue", "Национальный парк")},
    {0x15, QT_TRANSLATE_NOOP("Catalogue", "Национальный парк")},
    {0x16, QT_TRANSLATE_NOOP("Catalogue", "Национальный парк")},
    {0x17, QT_TRANSLATE_NOOP("Catalogue", "Городской парк")},
    {0x18, QT_TRANSLATE_NOOP("Catalogue", "Поле для гольфа")},
    {0x19, QT_TRANSLATE_NOOP("Catalogue", "Спортивный комплекс")},
    {0x1a, QT_TRANSLATE_NOOP("Catalogue", "Кладбище")},
    {0x1e, QT_TRANSLATE_NOOP("Catalogue", "Государственный парк")},
    {0x1f, QT_TRANSLATE_NOOP("Catalogue", "Государственный парк")},
    {0x20, QT_TRANSLATE_NOOP("Catalogue", "Государственный парк")},
    {0x28, QT_TRANSLATE_NOOP("Catalogue", "Море/океан")},
    {0x29, QT_TRANSLATE_NOOP("Catalogue", "Водоём")},
    {0x32, QT_TRANSLATE_NOOP("Catalogue", "Море")},
    {0x3b, QT_TRANSLATE_NOOP("Catalogue", "Водоём")},
    {0x3c, QT_TRANSLATE_NOOP("Catalogue", "Озеро большое (250-600 км2)")},
    {0x3d, QT_TRANSLATE_NOOP("Catalogue", "Озеро большое (77-250 км2)")},
    {0x3e, QT_TRANSLATE_NOOP("Catalogue", "Озеро среднее (25-77 км2)")},
    {0x3f, QT_TRANSLATE_NOOP("Catalogue", "Озеро среднее (11-25 км2)")},
    {0x40, QT_TRANSLATE_NOOP("Catalogue", "Озеро малое (0.25-11 км2)")},
    {0x41, QT_TRANSLATE_NOOP("Catalogue", "Озеро малое (<0.25 км2)")},
    {0x42, QT_TRANSLATE_NOOP("Catalogue", "Озеро крупное (>3.3 т.км2)")},
    {0x43, QT_TRANSLATE_NOOP("Catalogue", "Озеро крупное (1.1-3.3 т.км2)")},
    {0x44, QT_TRANSLATE_NOOP("Catalogue", "Озеро большое (0.6-1.1 т.км2)")},
    {0x45, QT_TRANSLATE_NOOP("Catalogue", "Водоём")},
    {0x46, QT_TRANSLATE_NOOP("Catalogue", "Река крупная (>1 км)")},
    {0x47, QT_TRANSLATE_NOOP("Catalogue", "Река большая (200 м-1 км)")},
    {0x48, QT_TRANSLATE_NOOP("Catalogue", "Река средняя (40-200 м)")},
    {0x49, QT_TRANSLATE_NOOP("Catalogue", "Река малая (<40 м)")},
    {0x4a, QT_TRANSLATE_NOOP("Catalogue", "Область выделения карты")},
    {0x4b, QT_TRANSLATE_NOOP("Catalogue", "Область покрытия карты")},
    {0x4c, QT_TRANSLATE_NOOP("Catalogue", "Пересыхающая река или озеро")},
    {0x4d, QT_TRANSLATE_NOOP("Catalogue", "Ледник")},
    {0x4e, QT_TRANSLATE_NOOP("Catalogue", "Фруктовый сад или огород")},
    {0x4f, QT_TRANSLATE_NOOP("Catalogue", "Кустарник")},
    {0x50, QT_TRANSLATE_NOOP("Catalogue", "Лес")},
    {0x51, QT_TRANSLATE_NOOP("Catalogue", "Болото")},
    {0x52, QT_TRANSLATE_NOOP("Catalogue", "Тундра")},
    {0x53, QT_TRANSLATE_NOOP("Catalogue", "Отмель")},
};

static_assert(std::size(PointEntries) == 270);
static_assert(std::size(LineEntries) == 36);
static_assert(std::size(PolygonEntries) == 53);

// The one code of the catalogues written with an upper-case letter.
constexpr uint16_t UpperCaseCode = 0x210F;

// "0x", the code in hexadecimal (four digits for points, two otherwise) and the four spaces before
// the name.
std::string CodeColumn(const CatalogueEntry& entry, int kind) {
    char code[8];
    const char* format = entry.Code == UpperCaseCode ? "0x%0*X" : "0x%0*x";
    std::snprintf(code, sizeof code, format, kind == KindPoint ? 4 : 2, unsigned(entry.Code));
    return std::string(code) + "    ";
}

std::span<const CatalogueEntry> EntriesOf(int kind) {
    switch (kind) {
    case KindPoint:
        return PointEntries;
    case KindLine:
        return LineEntries;
    case KindPolygon:
        return PolygonEntries;
    default:
        return {};
    }
}

std::vector<std::string> BuildRows(int kind) {
    std::vector<std::string> rows;
    for (const CatalogueEntry& entry : EntriesOf(kind))
        rows.push_back(CodeColumn(entry, kind) + std::string(entry.Name));
    return rows;
}

constexpr std::string_view LanguageRows[] = {
    "0x00 - unspecified", "0x01 - french",     "0x02 - german",  "0x03 - dutch",      "0x04 - english",
    "0x05 - italian",     "0x06 - finnish",    "0x07 - swedish", "0x08 - spanish",    "0x09 - basque",
    "0x0a - catalan",     "0x0b - galician",   "0x0c - welsh",   "0x0d - gaelic",     "0x0e - danish",
    "0x0f - norwegian",   "0x10 - portuguese", "0x11 - slovak",  "0x12 - czech",      "0x13 - croatian",
    "0x14 - hungarian",   "0x15 - polish",     "0x16 - turkish", "0x17 - greek",      "0x18 - slovenian",
    "0x19 - russian",     "0x1a - estonian",   "0x1b - latvian", "0x1c - romanian",   "0x1d - albanian",
    "0x1e - bosnian",     "0x1f - lithuanian", "0x20 - serbian", "0x21 - macedonian", "0x22 - bulgarian",
};
static_assert(std::size(LanguageRows) == 35);

} // namespace

std::span<const std::string> TypeCatalogue(int kind) {
    static const std::array<std::vector<std::string>, 3> rows = {BuildRows(KindPoint), BuildRows(KindLine),
                                                                 BuildRows(KindPolygon)};
    return kind >= 0 && size_t(kind) < rows.size() ? std::span<const std::string>(rows[size_t(kind)])
                                                   : std::span<const std::string>();
}

QStringList ShownTypeCatalogue(int kind) {
    QStringList shown;
    for (const CatalogueEntry& entry : EntriesOf(kind))
        shown << QString::fromStdString(CodeColumn(entry, kind)) +
                     QCoreApplication::translate("Catalogue", entry.Name.data());
    return shown;
}

int CatalogueRow(int kind, uint32_t type, uint32_t subType) {
    // A point's code is its type in the high byte and its subtype in the low one.
    if (kind == KindPoint && (type > 0xFF || subType > 0xFF)) return -1;
    const uint32_t code = kind == KindPoint ? type << 8 | subType : type;
    const std::span<const CatalogueEntry> entries = EntriesOf(kind);
    for (size_t row = 0; row < entries.size(); ++row)
        if (entries[row].Code == code) return int(row);
    return -1;
}

QString ShownCatalogueName(int kind, uint32_t type, uint32_t subType) {
    const int row = CatalogueRow(kind, type, subType);
    return row < 0 ? QString()
                   : QCoreApplication::translate("Catalogue", EntriesOf(kind)[size_t(row)].Name.data());
}

std::span<const std::string_view> LanguageList() {
    return LanguageRows;
}

} // namespace velmora
