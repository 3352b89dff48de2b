<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Catalogue</name>
    <message>
        <source>Мегаполис (свыше 10 млн.)</source>
        <translation>Large city (over 10 million)</translation>
    </message>
    <message>
        <source>Мегаполис (5-10 млн.)</source>
        <translation>Large city (5-10 million)</translation>
    </message>
    <message>
        <source>Крупный город (2-5 млн.)</source>
        <translation>Major city (2-5 million)</translation>
    </message>
    <message>
        <source>Крупный город (1-2 млн.)</source>
        <translation>Major city (1-2 million)</translation>
    </message>
    <message>
        <source>Крупный город (0.5-1 млн.)</source>
        <translation>Major city (0.5-1 million)</translation>
    </message>
    <message>
        <source>Город (200-500 тыс.)</source>
        <translation>City (200-500 thousand)</translation>
    </message>
    <message>
        <source>Город (100-200 тыс.)</source>
        <translation>City (100-200 thousand)</translation>
    </message>
    <message>
        <source>Город (50-100 тыс.)</source>
        <translation>City (50-100 thousand)</translation>
    </message>
    <message>
        <source>Город (20-50 тыс.)</source>
        <translation>City (20-50 thousand)</translation>
    </message>
    <message>
        <source>Городок (10-20 тыс.)</source>
        <translation>Town (10-20 thousand)</translation>
    </message>
    <message>
        <source>Городок (5-10 тыс.)</source>
        <translation>Town (5-10 thousand)</translation>
    </message>
    <message>
        <source>Поселок (2-5 тыс.)</source>
        <translation>Village (2-5 thousand)</translation>
    </message>
    <message>
        <source>Поселок (1-2 тыс.)</source>
        <translation>Village (1-2 thousand)</translation>
    </message>
    <message>
        <source>Поселок (500-1000)</source>
        <translation>Village (500-1000)</translation>
    </message>
    <message>
        <source>Поселок (200-500)</source>
        <translation>Village (200-500)</translation>
    </message>
    <message>
        <source>Поселок (100-200)</source>
        <translation>Village (100-200)</translation>
    </message>
    <message>
        <source>Поселок (менее 100)</source>
        <translation>Village (under 100)</translation>
    </message>
    <message>
        <source>Пристань для яхт</source>
        <translation>Marina</translation>
    </message>
    <message>
        <source>Название крупной страны</source>
        <translation>Large country name</translation>
    </message>
    <message>
        <source>Название страны</source>
        <translation>Country name</translation>
    </message>
    <message>
        <source>Маяк</source>
        <translation>Lighthouse</translation>
    </message>
    <message>
        <source>Туманный горн</source>
        <translation>Fog horn</translation>
    </message>
    <message>
        <source>Радиомаяк</source>
        <translation>Radio beacon</translation>
    </message>
    <message>
        <source>Радиолокационный маяк</source>
        <translation>Radar beacon</translation>
    </message>
    <message>
        <source>Знак дневной красный треугольный</source>
        <translation>Daymark, red triangle</translation>
    </message>
    <message>
        <source>Знак дневной зелёный квадратный</source>
        <translation>Daymark, green square</translation>
    </message>
    <message>
        <source>Знак дневной белый ромбовидный</source>
        <translation>Daymark, white diamond</translation>
    </message>
    <message>
        <source>Навигационный знак белый без огня</source>
        <translation>Unlit navaid, white</translation>
    </message>
    <message>
        <source>Навигационный знак красный без огня</source>
        <translation>Unlit navaid, red</translation>
    </message>
    <message>
        <source>Навигационный знак зелёный без огня</source>
        <translation>Unlit navaid, green</translation>
    </message>
    <message>
        <source>Навигационный знак чёрный без огня</source>
        <translation>Unlit navaid, black</translation>
    </message>
    <message>
        <source>Навигационный знак жёлтый без огня</source>
        <translation>Unlit navaid, yellow</translation>
    </message>
    <message>
        <source>Навигационный знак оранжевый без огня</source>
        <translation>Unlit navaid, orange</translation>
    </message>
    <message>
        <source>Навигационный знак многоцветный без огня</source>
        <translation>Unlit navaid, multicoloured</translation>
    </message>
    <message>
        <source>Навигационный знак</source>
        <translation>Navaid</translation>
    </message>
    <message>
        <source>Навигационный огонь белый</source>
        <translation>Navigation light, white</translation>
    </message>
    <message>
        <source>Навигационный огонь красный</source>
        <translation>Navigation light, red</translation>
    </message>
    <message>
        <source>Навигационный огонь зелёный</source>
        <translation>Navigation light, green</translation>
    </message>
    <message>
        <source>Навигационный огонь жёлтый</source>
        <translation>Navigation light, yellow</translation>
    </message>
    <message>
        <source>Навигационный огонь оранжевый</source>
        <translation>Navigation light, orange</translation>
    </message>
    <message>
        <source>Навигационный огонь фиолетовый</source>
        <translation>Navigation light, violet</translation>
    </message>
    <message>
        <source>Навигационный огонь синий</source>
        <translation>Navigation light, blue</translation>
    </message>
    <message>
        <source>Навигационный огонь многоцветный</source>
        <translation>Navigation light, multicoloured</translation>
    </message>
    <message>
        <source>Название области, провинции</source>
        <translation>Region or province name</translation>
    </message>
    <message>
        <source>Название района</source>
        <translation>District name</translation>
    </message>
    <message>
        <source>Надпись</source>
        <translation>Map label</translation>
    </message>
    <message>
        <source>Водная преграда</source>
        <translation>Water obstruction</translation>
    </message>
    <message>
        <source>Затонувшее судно</source>
        <translation>Wreck</translation>
    </message>
    <message>
        <source>Затонувшее судно, опасное</source>
        <translation>Wreck, dangerous</translation>
    </message>
    <message>
        <source>Затонувшее судно, неопасное</source>
        <translation>Wreck, non-dangerous</translation>
    </message>
    <message>
        <source>Затонувшее судно, обследованное тралом</source>
        <translation>Wreck, swept</translation>
    </message>
    <message>
        <source>Препятствие, видимое в прилив</source>
        <translation>Obstruction, visible at high water</translation>
    </message>
    <message>
        <source>Препятствие, осыхающее</source>
        <translation>Obstruction, drying</translation>
    </message>
    <message>
        <source>Препятствие подводное</source>
        <translation>Obstruction, submerged</translation>
    </message>
    <message>
        <source>Препятствие, обследованное тралом</source>
        <translation>Obstruction, swept</translation>
    </message>
    <message>
        <source>Скала осыхающая</source>
        <translation>Rock, drying</translation>
    </message>
    <message>
        <source>Скала подводная</source>
        <translation>Rock, submerged</translation>
    </message>
    <message>
        <source>Отметка глубины</source>
        <translation>Spot depth</translation>
    </message>
    <message>
        <source>Таблица приливов</source>
        <translation>Tide table</translation>
    </message>
    <message>
        <source>Съезд с магистрали</source>
        <translation>Highway exit</translation>
    </message>
    <message>
        <source>Съезд с обслуживанием</source>
        <translation>Exit with services</translation>
    </message>
    <message>
        <source>Съезд к сервису</source>
        <translation>Exit to service</translation>
    </message>
    <message>
        <source>Съезд к туалету</source>
        <translation>Exit to toilet</translation>
    </message>
    <message>
        <source>Съезд к магазину</source>
        <translation>Exit to store</translation>
    </message>
    <message>
        <source>Весовая станция</source>
        <translation>Weigh station</translation>
    </message>
    <message>
        <source>Пункт оплаты проезда</source>
        <translation>Toll booth</translation>
    </message>
    <message>
        <source>Съезд к информации</source>
        <translation>Exit to information</translation>
    </message>
    <message>
        <source>Съезд</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Прочие услуги</source>
        <translation>Other services</translation>
    </message>
    <message>
        <source>Предприятие питания</source>
        <translation>Food and drink</translation>
    </message>
    <message>
        <source>Ресторан американской кухни</source>
        <translation>Restaurant (American)</translation>
    </message>
    <message>
        <source>Ресторан азиатской кухни</source>
        <translation>Restaurant (Asian)</translation>
    </message>
    <message>
        <source>Барбекю</source>
        <translation>Barbecue</translation>
    </message>
    <message>
        <source>Ресторан китайской кухни</source>
        <translation>Restaurant (Chinese)</translation>
    </message>
    <message>
        <source>Кулинария, пекарня</source>
        <translation>Deli, bakery</translation>
    </message>
    <message>
        <source>Ресторан международной кухни</source>
        <translation>Restaurant (international)</translation>
    </message>
    <message>
        <source>Быстрое питание</source>
        <translation>Fast food</translation>
    </message>
    <message>
        <source>Ресторан итальянской кухни</source>
        <translation>Restaurant (Italian)</translation>
    </message>
    <message>
        <source>Ресторан мексиканской кухни</source>
        <translation>Restaurant (Mexican)</translation>
    </message>
    <message>
        <source>Пиццерия</source>
        <translation>Pizzeria</translation>
    </message>
    <message>
        <source>Рыбный ресторан</source>
        <translation>Restaurant (seafood)</translation>
    </message>
    <message>
        <source>Гриль, стейк-хаус</source>
        <translation>Grill, steak house</translation>
    </message>
    <message>
        <source>Пончики, бублики</source>
        <translation>Doughnuts, bagels</translation>
    </message>
    <message>
        <source>Кафе</source>
        <translation>Cafe</translation>
    </message>
    <message>
        <source>Ресторан французской кухни</source>
        <translation>Restaurant (French)</translation>
    </message>
    <message>
        <source>Ресторан немецкой кухни</source>
        <translation>Restaurant (German)</translation>
    </message>
    <message>
        <source>Ресторан британской кухни</source>
        <translation>Restaurant (British)</translation>
    </message>
    <message>
        <source>Особая кухня</source>
        <translation>Restaurant (speciality)</translation>
    </message>
    <message>
        <source>Гостиница</source>
        <translation>Accommodation</translation>
    </message>
    <message>
        <source>Отель, мотель</source>
        <translation>Hotel, motel</translation>
    </message>
    <message>
        <source>Гостевой дом</source>
        <translation>Guest house</translation>
    </message>
    <message>
        <source>Кемпинг</source>
        <translation>Campground</translation>
    </message>
    <message>
        <source>Курорт</source>
        <translation>Resort</translation>
    </message>
    <message>
        <source>Объект культуры, досуга</source>
        <translation>Culture and leisure</translation>
    </message>
    <message>
        <source>Парк развлечений</source>
        <translation>Amusement park</translation>
    </message>
    <message>
        <source>Музей, исторический объект</source>
        <translation>Museum, historical site</translation>
    </message>
    <message>
        <source>Библиотека</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Достопримечательность</source>
        <translation>Landmark</translation>
    </message>
    <message>
        <source>Школа</source>
        <translation>School</translation>
    </message>
    <message>
        <source>Парк, сад</source>
        <translation>Park, garden</translation>
    </message>
    <message>
        <source>Зоопарк, аквариум</source>
        <translation>Zoo, aquarium</translation>
    </message>
    <message>
        <source>Стадион, арена</source>
        <translation>Stadium, arena</translation>
    </message>
    <message>
        <source>Концертный зал</source>
        <translation>Concert hall</translation>
    </message>
    <message>
        <source>Винодельня</source>
        <translation>Winery</translation>
    </message>
    <message>
        <source>Храм, место поклонения</source>
        <translation>Temple, place of worship</translation>
    </message>
    <message>
        <source>Развлекательное заведение</source>
        <translation>Entertainment</translation>
    </message>
    <message>
        <source>Театр</source>
        <translation>Theatre</translation>
    </message>
    <message>
        <source>Бар, ночной клуб</source>
        <translation>Bar, nightclub</translation>
    </message>
    <message>
        <source>Кинотеатр</source>
        <translation>Cinema</translation>
    </message>
    <message>
        <source>Казино</source>
        <translation>Casino</translation>
    </message>
    <message>
        <source>Гольф-клуб</source>
        <translation>Golf club</translation>
    </message>
    <message>
        <source>Лыжный центр</source>
        <translation>Ski centre</translation>
    </message>
    <message>
        <source>Боулинг</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Каток</source>
        <translation>Skating rink</translation>
    </message>
    <message>
        <source>Бассейн</source>
        <translation>Swimming pool</translation>
    </message>
    <message>
        <source>Спортивный, фитнес-центр</source>
        <translation>Sports or fitness centre</translation>
    </message>
    <message>
        <source>Аэродром спортивный</source>
        <translation>Sport airfield</translation>
    </message>
    <message>
        <source>Торговый объект</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Универмаг</source>
        <translation>Department store</translation>
    </message>
    <message>
        <source>Продуктовый магазин</source>
        <translation>Grocery store</translation>
    </message>
    <message>
        <source>Универсальный магазин</source>
        <translation>General store</translation>
    </message>
    <message>
        <source>Торговый центр</source>
        <translation>Shopping centre</translation>
    </message>
    <message>
        <source>Аптека</source>
        <translation>Pharmacy</translation>
    </message>
    <message>
        <source>Магазин повседневных товаров</source>
        <translation>Convenience store</translation>
    </message>
    <message>
        <source>Магазин одежды</source>
        <translation>Clothing store</translation>
    </message>
    <message>
        <source>Товары для дома и сада</source>
        <translation>Home and garden</translation>
    </message>
    <message>
        <source>Мебельный магазин</source>
        <translation>Furniture store</translation>
    </message>
    <message>
        <source>Специализированный магазин</source>
        <translation>Specialist store</translation>
    </message>
    <message>
        <source>Компьютерный магазин</source>
        <translation>Computer store</translation>
    </message>
    <message>
        <source>Услуги</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>АЗС</source>
        <translation>Fuel station</translation>
    </message>
    <message>
        <source>Прокат автомобилей</source>
        <translation>Car rental</translation>
    </message>
    <message>
        <source>Автосервис</source>
        <translation>Car repair</translation>
    </message>
    <message>
        <source>Аэропорт</source>
        <translation>Airport</translation>
    </message>
    <message>
        <source>Почта</source>
        <translation>Post office</translation>
    </message>
    <message>
        <source>Банк, банкомат</source>
        <translation>Bank, ATM</translation>
    </message>
    <message>
        <source>Автосалон</source>
        <translation>Car dealer</translation>
    </message>
    <message>
        <source>Остановка общественного транспорта</source>
        <translation>Public transport stop</translation>
    </message>
    <message>
        <source>Пристань, причал</source>
        <translation>Pier, landing stage</translation>
    </message>
    <message>
        <source>Эвакуатор</source>
        <translation>Towing service</translation>
    </message>
    <message>
        <source>Автостоянка</source>
        <translation>Car park</translation>
    </message>
    <message>
        <source>Место отдыха, туристическая информация</source>
        <translation>Rest area, tourist information</translation>
    </message>
    <message>
        <source>Автоклуб</source>
        <translation>Automobile club</translation>
    </message>
    <message>
        <source>Автомойка</source>
        <translation>Car wash</translation>
    </message>
    <message>
        <source>Дилер Garmin</source>
        <translation>Garmin dealer</translation>
    </message>
    <message>
        <source>Бытовые услуги</source>
        <translation>Personal services</translation>
    </message>
    <message>
        <source>Деловые услуги</source>
        <translation>Business services</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Ремонтная мастерская</source>
        <translation>Repair shop</translation>
    </message>
    <message>
        <source>Социальная служба</source>
        <translation>Social services</translation>
    </message>
    <message>
        <source>Коммунальная служба</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Стоянка грузовиков</source>
        <translation>Truck stop</translation>
    </message>
    <message>
        <source>Транспортная служба</source>
        <translation>Transport services</translation>
    </message>
    <message>
        <source>Государственная или экстренная служба</source>
        <translation>Government or emergency service</translation>
    </message>
    <message>
        <source>Полиция</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Больница</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>Мэрия, администрация</source>
        <translation>City hall, administration</translation>
    </message>
    <message>
        <source>Суд</source>
        <translation>Court</translation>
    </message>
    <message>
        <source>Общественный центр</source>
        <translation>Community centre</translation>
    </message>
    <message>
        <source>Пограничный переход</source>
        <translation>Border crossing</translation>
    </message>
    <message>
        <source>Государственное учреждение</source>
        <translation>Government office</translation>
    </message>
    <message>
        <source>Пожарная часть</source>
        <translation>Fire station</translation>
    </message>
    <message>
        <source>Поле для гольфа</source>
        <translation>Golf course</translation>
    </message>
    <message>
        <source>Место для рыбалки</source>
        <translation>Fishing spot</translation>
    </message>
    <message>
        <source>Яхтенная стоянка</source>
        <translation>Yacht mooring</translation>
    </message>
    <message>
        <source>Заправка</source>
        <translation>Filling station</translation>
    </message>
    <message>
        <source>Ресторан</source>
        <translation>Restaurant</translation>
    </message>
    <message>
        <source>Бар</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Спуск для лодок</source>
        <translation>Boat ramp</translation>
    </message>
    <message>
        <source>Парк</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>Место для пикника</source>
        <translation>Picnic area</translation>
    </message>
    <message>
        <source>Медпункт</source>
        <translation>First aid post</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Стоянка</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Туалет</source>
        <translation>Toilet</translation>
    </message>
    <message>
        <source>Душ</source>
        <translation>Shower</translation>
    </message>
    <message>
        <source>Питьевая вода</source>
        <translation>Drinking water</translation>
    </message>
    <message>
        <source>Телефон</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Живописное место</source>
        <translation>Scenic area</translation>
    </message>
    <message>
        <source>Лыжный спуск</source>
        <translation>Ski run</translation>
    </message>
    <message>
        <source>Место для купания</source>
        <translation>Swimming area</translation>
    </message>
    <message>
        <source>Плотина</source>
        <translation>Dam</translation>
    </message>
    <message>
        <source>Запретная зона</source>
        <translation>Prohibited area</translation>
    </message>
    <message>
        <source>Опасная зона</source>
        <translation>Danger area</translation>
    </message>
    <message>
        <source>Закрытая зона</source>
        <translation>Restricted area</translation>
    </message>
    <message>
        <source>Аэропорт крупный</source>
        <translation>Large airport</translation>
    </message>
    <message>
        <source>Аэропорт средний</source>
        <translation>Medium airport</translation>
    </message>
    <message>
        <source>Аэропорт малый</source>
        <translation>Small airport</translation>
    </message>
    <message>
        <source>Вертолётная площадка</source>
        <translation>Helipad</translation>
    </message>
    <message>
        <source>Аэродром</source>
        <translation>Airfield</translation>
    </message>
    <message>
        <source>Километровый столб</source>
        <translation>Kilometre post</translation>
    </message>
    <message>
        <source>Колокол</source>
        <translation>Bell</translation>
    </message>
    <message>
        <source>Место для дайвинга</source>
        <translation>Dive site</translation>
    </message>
    <message>
        <source>Дневной знак зелёный квадратный</source>
        <translation>Daymark, green square</translation>
    </message>
    <message>
        <source>Дневной знак красный треугольный</source>
        <translation>Daymark, red triangle</translation>
    </message>
    <message>
        <source>Громкоговоритель</source>
        <translation>Loudspeaker</translation>
    </message>
    <message>
        <source>Дом</source>
        <translation>House</translation>
    </message>
    <message>
        <source>Отметка высоты</source>
        <translation>Spot height</translation>
    </message>
    <message>
        <source>Искусственное сооружение</source>
        <translation>Man-made feature</translation>
    </message>
    <message>
        <source>Мост</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>Здание</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>Кладбище</source>
        <translation>Cemetery</translation>
    </message>
    <message>
        <source>Церковь</source>
        <translation>Church</translation>
    </message>
    <message>
        <source>Общественное здание</source>
        <translation>Public building</translation>
    </message>
    <message>
        <source>Переезд, перекрёсток</source>
        <translation>Crossing, junction</translation>
    </message>
    <message>
        <source>Дамба</source>
        <translation>Dyke</translation>
    </message>
    <message>
        <source>Насыпь, вал</source>
        <translation>Embankment, bank</translation>
    </message>
    <message>
        <source>Урочище</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Военный объект</source>
        <translation>Military site</translation>
    </message>
    <message>
        <source>Шахта, рудник</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Нефтяное месторождение</source>
        <translation>Oil field</translation>
    </message>
    <message>
        <source>Почтовое отделение</source>
        <translation>Post office</translation>
    </message>
    <message>
        <source>Учебное заведение</source>
        <translation>Educational institution</translation>
    </message>
    <message>
        <source>Башня, вышка</source>
        <translation>Tower, mast</translation>
    </message>
    <message>
        <source>Тропа</source>
        <translation>Trail</translation>
    </message>
    <message>
        <source>Тоннель</source>
        <translation>Tunnel</translation>
    </message>
    <message>
        <source>Колодец, скважина</source>
        <translation>Well, borehole</translation>
    </message>
    <message>
        <source>Исторический город</source>
        <translation>Historic town</translation>
    </message>
    <message>
        <source>Жилой квартал</source>
        <translation>Residential block</translation>
    </message>
    <message>
        <source>Объект гидрографии</source>
        <translation>Water feature</translation>
    </message>
    <message>
        <source>Сухое русло</source>
        <translation>Dry riverbed</translation>
    </message>
    <message>
        <source>Песчаная отмель</source>
        <translation>Sandbar</translation>
    </message>
    <message>
        <source>Залив</source>
        <translation>Bay</translation>
    </message>
    <message>
        <source>Излучина реки</source>
        <translation>River bend</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Пролив, протока</source>
        <translation>Strait, channel</translation>
    </message>
    <message>
        <source>Бухта</source>
        <translation>Cove</translation>
    </message>
    <message>
        <source>Водопад</source>
        <translation>Waterfall</translation>
    </message>
    <message>
        <source>Гейзер</source>
        <translation>Geyser</translation>
    </message>
    <message>
        <source>Ледник</source>
        <translation>Glacier</translation>
    </message>
    <message>
        <source>Гавань</source>
        <translation>Harbour</translation>
    </message>
    <message>
        <source>Остров</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Озеро</source>
        <translation>Lake</translation>
    </message>
    <message>
        <source>Пороги</source>
        <translation>Rapids</translation>
    </message>
    <message>
        <source>Водохранилище</source>
        <translation>Reservoir</translation>
    </message>
    <message>
        <source>Море</source>
        <translation>Sea</translation>
    </message>
    <message>
        <source>Родник</source>
        <translation>Spring</translation>
    </message>
    <message>
        <source>Ручей</source>
        <translation>Stream</translation>
    </message>
    <message>
        <source>Болото</source>
        <translation>Swamp</translation>
    </message>
    <message>
        <source>Природный наземный объект</source>
        <translation>Land feature</translation>
    </message>
    <message>
        <source>Скальная арка</source>
        <translation>Rock arch</translation>
    </message>
    <message>
        <source>Местность</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Котловина</source>
        <translation>Basin</translation>
    </message>
    <message>
        <source>Пляж</source>
        <translation>Beach</translation>
    </message>
    <message>
        <source>Уступ, терраса</source>
        <translation>Ledge, terrace</translation>
    </message>
    <message>
        <source>Мыс</source>
        <translation>Cape</translation>
    </message>
    <message>
        <source>Утёс, обрыв</source>
        <translation>Cliff, bluff</translation>
    </message>
    <message>
        <source>Кратер</source>
        <translation>Crater</translation>
    </message>
    <message>
        <source>Равнина, плато</source>
        <translation>Plain, plateau</translation>
    </message>
    <message>
        <source>Лес</source>
        <translation>Forest</translation>
    </message>
    <message>
        <source>Перевал</source>
        <translation>Mountain pass</translation>
    </message>
    <message>
        <source>Ущелье</source>
        <translation>Gorge</translation>
    </message>
    <message>
        <source>Перешеек</source>
        <translation>Isthmus</translation>
    </message>
    <message>
        <source>Лавовое поле</source>
        <translation>Lava field</translation>
    </message>
    <message>
        <source>Скальный столб</source>
        <translation>Rock pillar</translation>
    </message>
    <message>
        <source>Низменность</source>
        <translation>Lowland</translation>
    </message>
    <message>
        <source>Горный хребет</source>
        <translation>Mountain range</translation>
    </message>
    <message>
        <source>Заповедник</source>
        <translation>Nature reserve</translation>
    </message>
    <message>
        <source>Гряда</source>
        <translation>Ridge</translation>
    </message>
    <message>
        <source>Скала</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Склон</source>
        <translation>Slope</translation>
    </message>
    <message>
        <source>Вершина</source>
        <translation>Summit</translation>
    </message>
    <message>
        <source>Долина</source>
        <translation>Valley</translation>
    </message>
    <message>
        <source>Роща</source>
        <translation>Grove</translation>
    </message>
    <message>
        <source>Дорога</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Автомагистраль</source>
        <translation>Major highway</translation>
    </message>
    <message>
        <source>Шоссе основное</source>
        <translation>Principal highway</translation>
    </message>
    <message>
        <source>Прочие загородные дороги</source>
        <translation>Other rural road</translation>
    </message>
    <message>
        <source>Городская магистраль</source>
        <translation>Arterial road</translation>
    </message>
    <message>
        <source>Улица крупная</source>
        <translation>Major street</translation>
    </message>
    <message>
        <source>Улица малая</source>
        <translation>Residential street</translation>
    </message>
    <message>
        <source>Переулок, внутриквартальный проезд</source>
        <translation>Lane, service road</translation>
    </message>
    <message>
        <source>Наклонный съезд с путепровода</source>
        <translation>Ramp</translation>
    </message>
    <message>
        <source>Наклонный съезд с путепровода скоростной</source>
        <translation>Ramp, high speed</translation>
    </message>
    <message>
        <source>Грунтовая дорога</source>
        <translation>Unpaved road</translation>
    </message>
    <message>
        <source>Соединительное шоссе</source>
        <translation>Highway connector</translation>
    </message>
    <message>
        <source>Круговое движение</source>
        <translation>Roundabout</translation>
    </message>
    <message>
        <source>Аллея, тропа</source>
        <translation>Walkway, trail</translation>
    </message>
    <message>
        <source>Железная дорога</source>
        <translation>Railway</translation>
    </message>
    <message>
        <source>Паром</source>
        <translation>Ferry</translation>
    </message>
    <message>
        <source>Граница часового пояса</source>
        <translation>Time zone boundary</translation>
    </message>
    <message>
        <source>Международная граница</source>
        <translation>International boundary</translation>
    </message>
    <message>
        <source>Граница области</source>
        <translation>Region boundary</translation>
    </message>
    <message>
        <source>Граница района, округа</source>
        <translation>District or county boundary</translation>
    </message>
    <message>
        <source>Береговая линия</source>
        <translation>Coastline</translation>
    </message>
    <message>
        <source>Река</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Пересыхающая река, ручей или канава</source>
        <translation>Intermittent river, stream or ditch</translation>
    </message>
    <message>
        <source>Горизонталь вспомогательная</source>
        <translation>Minor contour</translation>
    </message>
    <message>
        <source>Горизонталь основная</source>
        <translation>Main contour</translation>
    </message>
    <message>
        <source>Горизонталь утолщённая</source>
        <translation>Index contour</translation>
    </message>
    <message>
        <source>Изобата вспомогательная</source>
        <translation>Minor depth contour</translation>
    </message>
    <message>
        <source>Изобата основная</source>
        <translation>Main depth contour</translation>
    </message>
    <message>
        <source>Изобата утолщённая</source>
        <translation>Index depth contour</translation>
    </message>
    <message>
        <source>Взлетно-посадочная полоса</source>
        <translation>Runway</translation>
    </message>
    <message>
        <source>Трубопровод</source>
        <translation>Pipeline</translation>
    </message>
    <message>
        <source>Линия электропередачи</source>
        <translation>Power line</translation>
    </message>
    <message>
        <source>Морская граница</source>
        <translation>Maritime boundary</translation>
    </message>
    <message>
        <source>Морская опасность</source>
        <translation>Marine hazard</translation>
    </message>
    <message>
        <source>Городcкая застройка (&gt;200 тж)</source>
        <translation>Urban area (over 200 thousand)</translation>
    </message>
    <message>
        <source>Городcкая застройка (&lt;200 тж)</source>
        <translation>Urban area (under 200 thousand)</translation>
    </message>
    <message>
        <source>Застройка сельского типа</source>
        <translation>Rural settlement</translation>
    </message>
    <message>
        <source>Военная база</source>
        <translation>Military base</translation>
    </message>
    <message>
        <source>Гаражи</source>
        <translation>Garages</translation>
    </message>
    <message>
        <source>Место для торговли</source>
        <translation>Shopping area</translation>
    </message>
    <message>
        <source>Пристань</source>
        <translation>Wharf</translation>
    </message>
    <message>
        <source>Территория университета или колледжа</source>
        <translation>University or college grounds</translation>
    </message>
    <message>
        <source>Промышленная зона</source>
        <translation>Industrial area</translation>
    </message>
    <message>
        <source>Резервация, заповедник</source>
        <translation>Reservation, nature reserve</translation>
    </message>
    <message>
        <source>Здание, искусственное сооружение</source>
        <translation>Building, man-made structure</translation>
    </message>
    <message>
        <source>Национальный парк</source>
        <translation>National park</translation>
    </message>
    <message>
        <source>Городской парк</source>
        <translation>City park</translation>
    </message>
    <message>
        <source>Спортивный комплекс</source>
        <translation>Sports complex</translation>
    </message>
    <message>
        <source>Государственный парк</source>
        <translation>State park</translation>
    </message>
    <message>
        <source>Море/океан</source>
        <translation>Sea/ocean</translation>
    </message>
    <message>
        <source>Водоём</source>
        <translation>Water body</translation>
    </message>
    <message>
        <source>Озеро большое (250-600 км2)</source>
        <translation>Large lake (250-600 km²)</translation>
    </message>
    <message>
        <source>Озеро большое (77-250 км2)</source>
        <translation>Large lake (77-250 km²)</translation>
    </message>
    <message>
        <source>Озеро среднее (25-77 км2)</source>
        <translation>Medium lake (25-77 km²)</translation>
    </message>
    <message>
        <source>Озеро среднее (11-25 км2)</source>
        <translation>Medium lake (11-25 km²)</translation>
    </message>
    <message>
        <source>Озеро малое (0.25-11 км2)</source>
        <translation>Small lake (0.25-11 km²)</translation>
    </message>
    <message>
        <source>Озеро малое (&lt;0.25 км2)</source>
        <translation>Small lake (under 0.25 km²)</translation>
    </message>
    <message>
        <source>Озеро крупное (&gt;3.3 т.км2)</source>
        <translation>Major lake (over 3300 km²)</translation>
    </message>
    <message>
        <source>Озеро крупное (1.1-3.3 т.км2)</source>
        <translation>Major lake (1100-3300 km²)</translation>
    </message>
    <message>
        <source>Озеро большое (0.6-1.1 т.км2)</source>
        <translation>Large lake (600-1100 km²)</translation>
    </message>
    <message>
        <source>Река крупная (&gt;1 км)</source>
        <translation>Major river (over 1 km)</translation>
    </message>
    <message>
        <source>Река большая (200 м-1 км)</source>
        <translation>Large river (200 m-1 km)</translation>
    </message>
    <message>
        <source>Река средняя (40-200 м)</source>
        <translation>Medium river (40-200 m)</translation>
    </message>
    <message>
        <source>Река малая (&lt;40 м)</source>
        <translation>Small river (under 40 m)</translation>
    </message>
    <message>
        <source>Область выделения карты</source>
        <translation>Map selection area</translation>
    </message>
    <message>
        <source>Область покрытия карты</source>
        <translation>Map coverage area</translation>
    </message>
    <message>
        <source>Пересыхающая река или озеро</source>
        <translation>Intermittent river or lake</translation>
    </message>
    <message>
        <source>Фруктовый сад или огород</source>
        <translation>Orchard or vegetable garden</translation>
    </message>
    <message>
        <source>Кустарник</source>
        <translation>Scrub</translation>
    </message>
    <message>
        <source>Тундра</source>
        <translation>Tundra</translation>
    </message>
    <message>
        <source>Отмель</source>
        <translation>Shoal</translation>
    </message>
</context>
<context>
    <name>ColourList</name>
    <message>
        <source>пробел</source>
        <translation>space</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>velmora [ФАЙЛ]</source>
        <translation>velmora [FILE]</translation>
    </message>
    <message>
        <source>запустить редактор TYP-файлов; ФАЙЛ (текстовый или скомпилированный TYP-файл) открывается сразу</source>
        <translation>start the TYP file editor; FILE (a text or compiled TYP file) is opened at once</translation>
    </message>
    <message>
        <source>показать эту справку</source>
        <translation>show this text</translation>
    </message>
    <message>
        <source>показать версию программы</source>
        <translation>show the program&apos;s version</translation>
    </message>
    <message>
        <source>Использование:</source>
        <translation>Usage:</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Velmora — справка</source>
        <translation>Velmora — help</translation>
    </message>
</context>
<context>
    <name>NewObject</name>
    <message>
        <source>Создание точки</source>
        <translation>Creating a point</translation>
    </message>
    <message>
        <source>Создание линии</source>
        <translation>Creating a line</translation>
    </message>
    <message>
        <source>Создание полигона</source>
        <translation>Creating a polygon</translation>
    </message>
</context>
<context>
    <name>StepName</name>
    <message>
        <source>Рисование</source>
        <translation>Painting</translation>
    </message>
    <message>
        <source>Изменение цвета</source>
        <translation>Colour change</translation>
    </message>
    <message>
        <source>Добавление цвета</source>
        <translation>Add colour</translation>
    </message>
    <message>
        <source>Создание объекта</source>
        <translation>Create object</translation>
    </message>
    <message>
        <source>Удаление объекта</source>
        <translation>Delete object</translation>
    </message>
    <message>
        <source>Вставка объекта</source>
        <translation>Paste object</translation>
    </message>
    <message>
        <source>Смена типа</source>
        <translation>Type change</translation>
    </message>
    <message>
        <source>Строка названия</source>
        <translation>Label line</translation>
    </message>
    <message>
        <source>Названия</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Заголовок</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Рисунок под сеткой</source>
        <translation>Picture under the grid</translation>
    </message>
    <message>
        <source>Ширина линии</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Ширина бордюра</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Ориентация</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Повторяемость</source>
        <translation>Chars per pixel</translation>
    </message>
    <message>
        <source>Шрифт подписи</source>
        <translation>Label font</translation>
    </message>
    <message>
        <source>Цвет подписи</source>
        <translation>Label colour</translation>
    </message>
</context>
<context>
    <name>Swatches</name>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Ночь</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Линия</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Бордюр</source>
        <translation>Border</translation>
    </message>
</context>
<context>
    <name>TextEncoding</name>
    <message>
        <source>Символы, которых нет в кодировке %1, заменены на «?».</source>
        <translation>Characters that encoding %1 lacks were replaced with &quot;?&quot;.</translation>
    </message>
</context>
<context>
    <name>velmora::DocumentSession</name>
    <message>
        <source>Нельзя открыть файл.<byte value="xd"/>Возможно он занят другим приложением</source>
        <translation>Cannot open the file.<byte value="xd"/>It may be in use by another application</translation>
    </message>
    <message>
        <source>Этот файл не GARMIN TYP<byte value="xd"/>Not a Garmin TYP file</source>
        <translation>Not a Garmin TYP file</translation>
    </message>
    <message>
        <source>Файл typ повреждён или обрывается: прочитано объектов %1 (точек %2, линий %3, полигонов %4).</source>
        <translation>The typ file is damaged or cut short: %1 objects read (%2 points, %3 lines, %4 polygons).</translation>
    </message>
    <message>
        <source>В файле не найдено ни одного раздела объектов ([_point], [_line], [_polygon]):<byte value="xd"/>%1</source>
        <translation>No object section ([_point], [_line], [_polygon]) was found in the file:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>TYP-файл не создан:<byte value="xd"/></source>
        <translation>The TYP file was not created:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>velmora::TAboutBox</name>
    <message>
        <source>Создание и редактирование текстовых TYP-файлов</source>
        <translation>Creating and editing TYP text files</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>Редактор TYP-файла</source>
        <translation>TYP file editor</translation>
    </message>
    <message>
        <source>Идёт загрузка файла, подождите</source>
        <translation>Loading the file, please wait</translation>
    </message>
    <message>
        <source>Были внесены изменения!<byte value="xd"/>Файл надо записать?</source>
        <translation>There are unsaved changes!<byte value="xd"/>Save the file?</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Garmin текст (*.txt)</source>
        <translation>Garmin text (*.txt)</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Открыть typ</source>
        <translation>Open typ</translation>
    </message>
    <message>
        <source>Ширина линии</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Ориентация</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Повторяемость</source>
        <translation>Chars per pixel</translation>
    </message>
    <message>
        <source>Предупреждения компилятора:</source>
        <translation>Compiler warnings:</translation>
    </message>
    <message>
        <source>... и ещё %1</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>Создать TYP</source>
        <translation>Create TYP</translation>
    </message>
    <message>
        <source>Записан файл %1 (%2 байт)</source>
        <translation>Wrote file %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>, предупреждений: %1</source>
        <translation>, warnings: %1</translation>
    </message>
    <message>
        <source>Ночь</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>День и ночь</source>
        <translation>Day and night</translation>
    </message>
    <message>
        <source>&amp;Язык интерфейса</source>
        <translation>Interface &amp;language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation>The interface language changes the next time the program starts.</translation>
    </message>
    <message>
        <source>Открыть файл  txt</source>
        <translation>Open TYP text file</translation>
    </message>
    <message>
        <source>Открыть файл  typ</source>
        <translation>Open compiled TYP file</translation>
    </message>
    <message>
        <source>Сохранить файл</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Добавить объект</source>
        <translation>Add object</translation>
    </message>
    <message>
        <source>Добавить рисунок</source>
        <translation>Add picture</translation>
    </message>
    <message>
        <source>Копировать в буфер</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Вставить из буфера</source>
        <translation>Paste from clipboard</translation>
    </message>
    <message>
        <source>Удалить объект</source>
        <translation>Delete object</translation>
    </message>
    <message>
        <source>Сохранить bmp</source>
        <translation>Save bmp</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Открыть</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Открыть &amp;typ</source>
        <translation>Open &amp;typ</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Точки</source>
        <translation>&amp;Points</translation>
    </message>
    <message>
        <source>&amp;Линии</source>
        <translation>&amp;Lines</translation>
    </message>
    <message>
        <source>&amp;Полигоны</source>
        <translation>Pol&amp;ygons</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Вставить</source>
        <translation>P&amp;aste</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Добавить &amp;bmp</source>
        <translation>Add &amp;bmp</translation>
    </message>
    <message>
        <source>&amp;TYP-файл</source>
        <translation>&amp;TYP file</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Создать</source>
        <translation>&amp;Create</translation>
    </message>
    <message>
        <source>Со&amp;хранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>По&amp;мощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Тип объекта</source>
        <translation>Object type</translation>
    </message>
    <message>
        <source>Точки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Линии</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Полигоны</source>
        <translation>Polygons</translation>
    </message>
    <message>
        <source>Отобразить</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Шир.  бордюра</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Цветов</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Символ</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Размер по X</source>
        <translation>Size X</translation>
    </message>
    <message>
        <source>Размер по Y</source>
        <translation>Size Y</translation>
    </message>
    <message>
        <source>Без матрицы</source>
        <translation>No bitmap</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Палитра</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Стандартная</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <comment>the button that leaves creation mode</comment>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Подпись</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Рисунок (*.bmp)</source>
        <translation>Picture (*.bmp)</translation>
    </message>
    <message>
        <source>Не удалось прочитать рисунок %1:<byte value="xd"/>%2</source>
        <translation>Cannot read the picture %1:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Файл bmp (*.bmp)</source>
        <translation>BMP file (*.bmp)</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1:<byte value="xd"/>%2</source>
        <translation>Cannot write the file %1:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Сохранить &amp;как…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>Найти объект</source>
        <translation>Find object</translation>
    </message>
    <message>
        <source>Фильтр (Ctrl+F)</source>
        <translation>Filter (Ctrl+F)</translation>
    </message>
    <message>
        <source>Оставляет в списке объекты, код, название или подпись которых содержат этот текст</source>
        <translation>Keeps the objects whose code, name or label contains this text in the list</translation>
    </message>
    <message>
        <source>Объект в буфере обмена повреждён или записан другой программой; он не вставлен.</source>
        <translation>The object on the clipboard is damaged or was written by another program; it was not pasted.</translation>
    </message>
    <message>
        <source>Настройки не сохраняются: нельзя записать файл %1</source>
        <translation>Settings are not saved: cannot write the file %1</translation>
    </message>
</context>
<context>
    <name>velmora::TOKBottomDlg</name>
    <message>
        <source>Создание TYP-файла</source>
        <translation>Create TYP file</translation>
    </message>
    <message>
        <source>Встроенный компилятор</source>
        <translation>Built-in compiler</translation>
    </message>
    <message>
        <source>Внешняя программа cGPSMapper</source>
        <translation>External program cGPSMapper</translation>
    </message>
    <message>
        <source>Путь к cGPSMapper</source>
        <translation>Path to cGPSMapper</translation>
    </message>
    <message>
        <source>cGPSMapper (cgpsmapper* *.exe);;Все файлы (*)</source>
        <translation>cGPSMapper (cgpsmapper* *.exe);;All files (*)</translation>
    </message>
</context>
<context>
    <name>velmora::TOKBottomDlg1</name>
    <message>
        <source>Редактор символов</source>
        <translation>Symbol editor</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
</context>
</TS>
