<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CDial_Calc</name>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Не удалось загрузить окно графика: %1</source>
        <translation>Could not load the chart window: %1</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Справка Brevimo</source>
        <translation>Brevimo Help</translation>
    </message>
    <message>
        <source>◀ Назад</source>
        <translation>◀ Back</translation>
    </message>
    <message>
        <source>Назад (Alt+Влево)</source>
        <translation>Back (Alt+Left)</translation>
    </message>
    <message>
        <source>Вперед ▶</source>
        <translation>Forward ▶</translation>
    </message>
    <message>
        <source>Вперед (Alt+Вправо)</source>
        <translation>Forward (Alt+Right)</translation>
    </message>
    <message>
        <source>Найти…</source>
        <translation>Find…</translation>
    </message>
    <message>
        <source>Найти в тексте (Ctrl+F)</source>
        <translation>Find in the text (Ctrl+F)</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Текст справки</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Найти</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Следующее (F3)</source>
        <translation>Next (F3)</translation>
    </message>
    <message>
        <source>Ранее</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Предыдущее (Shift+F3)</source>
        <translation>Previous (Shift+F3)</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>не найден</source>
        <translation>was not found</translation>
    </message>
    <message>
        <source>не является файлом</source>
        <translation>is not a file</translation>
    </message>
    <message>
        <source>не читается</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>Справку не удалось открыть: файл %1 в папке %2 %3.</source>
        <translation>The help could not be opened: the file %1 in the folder %2 %3.</translation>
    </message>
</context>
<context>
    <name>CPlanChart</name>
    <message>
        <source>Головы</source>
        <translation>Heads</translation>
    </message>
    <message>
        <source>Тело</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>Хвосты</source>
        <translation>Tails</translation>
    </message>
    <message>
        <source>Отобрано, л</source>
        <translation>Collected, l</translation>
    </message>
    <message>
        <source>Креп. отбора, % об.</source>
        <translation>Distillate, % ABV</translation>
    </message>
    <message>
        <source>Темп. в кубе, °C</source>
        <translation>Pot temp., °C</translation>
    </message>
    <message>
        <source>Креп. в кубе, % об.</source>
        <translation>Pot, % ABV</translation>
    </message>
    <message>
        <source>Объем в кубе, л</source>
        <translation>Pot volume, l</translation>
    </message>
    <message>
        <source>Время, мин</source>
        <translation>Time, min</translation>
    </message>
    <message>
        <source>Фракция</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>Крепость отбора, % об.</source>
        <translation>Distillate strength, % ABV</translation>
    </message>
    <message>
        <source>Температура в кубе, °C</source>
        <translation>Pot temperature, °C</translation>
    </message>
    <message>
        <source>План перегонки</source>
        <translation>Run plan</translation>
    </message>
    <message>
        <source>График плана перегонки</source>
        <translation>Run plan chart</translation>
    </message>
    <message>
        <source>Отобрано дистиллята, л</source>
        <translation>Distillate collected, l</translation>
    </message>
    <message>
        <source>Наведите указатель на график, чтобы увидеть значения шага</source>
        <translation>Point at the chart to see the values of a step</translation>
    </message>
    <message>
        <source>&lt;b&gt;План перегонки: загрузка %1 л, %2 % об.&lt;/b&gt;&lt;br&gt;Головы %3 л, тело %4 л (%5 % об.), хвосты %6 л; всего %7 ч:мм</source>
        <translation>&lt;b&gt;Run plan: charge %1 l, %2 % ABV&lt;/b&gt;&lt;br&gt;Heads %3 l, hearts %4 l (%5 % ABV), tails %6 l; in all %7 h:mm</translation>
    </message>
    <message>
        <source>Шаг %1 (%2, %3 ч:мм): отобрано %4 л, крепость отбора %5 % об.; в кубе %6 °C, %7 % об., %8 л</source>
        <translation>Step %1 (%2, %3 h:mm): collected %4 l, distillate %5 % ABV; pot %6 °C, %7 % ABV, %8 l</translation>
    </message>
</context>
<context>
    <name>CRunChart</name>
    <message>
        <source>%1 % об.</source>
        <translation>%1 % ABV</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>График перегонки</source>
        <translation>Distillation chart</translation>
    </message>
    <message>
        <source>Температура в кубе, °C</source>
        <translation>Pot temperature, °C</translation>
    </message>
    <message>
        <source>Крепость в кубе, % об.</source>
        <translation>Pot strength, % ABV</translation>
    </message>
    <message>
        <source>Крепость пара (отбор сейчас), % об.</source>
        <translation>Vapour strength (drawn off now), % ABV</translation>
    </message>
    <message>
        <source>Крепость всего отбора, % об.</source>
        <translation>Strength of all distillate, % ABV</translation>
    </message>
    <message>
        <source>Отобрано дистиллята, л</source>
        <translation>Distillate collected, l</translation>
    </message>
    <message>
        <source>Крепость, % об.</source>
        <translation>Strength, % ABV</translation>
    </message>
    <message>
        <source>Наведите указатель на график, чтобы увидеть значения шага</source>
        <translation>Point at the chart to see the values of a step</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Сохранить таблицу шагов</source>
        <translation>Save the table of steps</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>CSV для Excel с десятичной запятой (*.csv)</source>
        <translation>CSV for Excel with a decimal comma (*.csv)</translation>
    </message>
    <message>
        <source>Сохранить PNG…</source>
        <translation>Save PNG…</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save the chart</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Сохранить SVG…</source>
        <translation>Save SVG…</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Перегонка от %1 до %2, брага %3 л&lt;/b&gt;&lt;br&gt;Отобрано %4 л крепостью %5 % об., в кубе осталось %6 л; шагов: %7</source>
        <translation>&lt;b&gt;Run from %1 to %2, wash %3 l&lt;/b&gt;&lt;br&gt;Collected %4 l at %5 % ABV, %6 l left in the pot; steps: %7</translation>
    </message>
    <message>
        <source>Шаг %1: отобрано %2 л, крепость отбора сейчас %3 % об., всего отбора %4 % об.; в кубе %5 °C, %6 % об., %7 л</source>
        <translation>Step %1: %2 l collected, drawn off now at %3 % ABV, all distillate %4 % ABV; pot %5 °C, %6 % ABV, %7 l</translation>
    </message>
    <message>
        <source>Перегонка</source>
        <translation>Distillation</translation>
    </message>
</context>
<context>
    <name>CRunStepsModel</name>
    <message>
        <source>Темп. в кубе, °C</source>
        <translation>Pot temp., °C</translation>
    </message>
    <message>
        <source>Креп. в кубе, % об.</source>
        <translation>Pot, % ABV</translation>
    </message>
    <message>
        <source>Объем в кубе, л</source>
        <translation>Pot volume, l</translation>
    </message>
    <message>
        <source>Креп. пара, % об.</source>
        <translation>Vapour, % ABV</translation>
    </message>
    <message>
        <source>Отобрано, л</source>
        <translation>Collected, l</translation>
    </message>
    <message>
        <source>Креп. отбора, % об.</source>
        <translation>Distillate, % ABV</translation>
    </message>
</context>
<context>
    <name>brevimo</name>
    <message>
        <source>Конечный раствор крепче исходного</source>
        <translation>The result is stronger than the starting spirit</translation>
    </message>
    <message>
        <source>Крепость результата должна быть больше 0</source>
        <translation>The strength of the result must be above 0</translation>
    </message>
    <message>
        <source>Объем &lt;0</source>
        <translation>Volume &lt;0</translation>
    </message>
    <message>
        <source>% спирта &lt;0</source>
        <translation>% ABV &lt;0</translation>
    </message>
    <message>
        <source>% спирта &gt;100</source>
        <translation>% ABV &gt;100</translation>
    </message>
    <message>
        <source>Объем раствора 1 &gt; объема результата</source>
        <translation>Volume of solution 1 &gt; volume of the result</translation>
    </message>
    <message>
        <source>% спирта в растворе 2 &lt;0</source>
        <translation>% ABV of solution 2 &lt;0</translation>
    </message>
    <message>
        <source>Ошибка в параметрах
Коцентрация 0..100%</source>
        <translation>Parameter error
Concentration 0..100%</translation>
    </message>
    <message>
        <source>Ошибка в параметрах. Концентрация 0..100 (%)</source>
        <translation>Parameter error. Concentration 0..100 (%)</translation>
    </message>
    <message>
        <source>Ошибка в типе параметра</source>
        <translation>Wrong parameter type</translation>
    </message>
    <message>
        <source>Ошибка в параметрах. Плотность %.4f...%.4f (кг/л)</source>
        <translation>Parameter error. Density %.4f...%.4f (kg/l)</translation>
    </message>
    <message>
        <source>Ошибка в типе выходных данных</source>
        <translation>Wrong result type</translation>
    </message>
    <message>
        <source>Ошибка, стоповая концентрация не достигнута за %d шагов</source>
        <translation>Error: the end of the run was not reached in %d steps</translation>
    </message>
    <message>
        <source>Выход за границы массива</source>
        <translation>Out of the table bounds</translation>
    </message>
    <message>
        <source>Выход за пределы массива</source>
        <translation>Outside the table</translation>
    </message>
    <message>
        <source>Давление паров спирта должно быть от %.2f до %.2f мм.рт.ст.</source>
        <translation>The ethanol vapour pressure must be from %.2f to %.2f mm Hg.</translation>
    </message>
    <message>
        <source>Температура кипения спирта должна быть от %.2f до %.2f *C.</source>
        <translation>The ethanol boiling temperature must be from %.2f to %.2f *C.</translation>
    </message>
    <message>
        <source>Температура кипения воды должна быть от %.2f до %.2f *C</source>
        <translation>The water boiling temperature must be from %.2f to %.2f *C</translation>
    </message>
    <message>
        <source>Давление паров воды должно быть от %.2f до %.2f мм.рт.ст.</source>
        <translation>The water vapour pressure must be from %.2f to %.2f mm Hg.</translation>
    </message>
    <message>
        <source>Концентрация спирта должна быть 0...100%</source>
        <translation>The alcohol concentration must be 0...100%</translation>
    </message>
    <message>
        <source>Ошибка UnitMode</source>
        <translation>UnitMode error</translation>
    </message>
    <message>
        <source>Coeff должен быть 0...1.01158</source>
        <translation>Coeff must be 0...1.01158</translation>
    </message>
    <message>
        <source>Выход за пределы допустимых температур</source>
        <translation>Temperature out of the allowed range</translation>
    </message>
    <message>
        <source>Выход за пределы допустимой концентрации</source>
        <translation>Strength out of the allowed range</translation>
    </message>
    <message>
        <source>Выход за пределы таблицы</source>
        <translation>Outside the table</translation>
    </message>
    <message>
        <source>Темпер.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Об%</source>
        <translation>% ABV</translation>
    </message>
    <message>
        <source>Мощность &lt;=0</source>
        <translation>Power &lt;=0</translation>
    </message>
    <message>
        <source>Процент потерь 0..99.9</source>
        <translation>Heat losses 0..99.9 %</translation>
    </message>
    <message>
        <source>Флегмовое число 0..1000</source>
        <translation>Reflux ratio 0..1000</translation>
    </message>
    <message>
        <source>% дистиллята 0..97.17</source>
        <translation>Distillate % ABV 0..97.17</translation>
    </message>
    <message>
        <source>Масса сахара на 1 л раствора 0..1208.41 г</source>
        <translation>Sugar per 1 l of solution 0..1208.41 g</translation>
    </message>
    <message>
        <source>Плотность раствора 1000..1441.7 г/л</source>
        <translation>Solution density 1000..1441.7 g/l</translation>
    </message>
    <message>
        <source>Масса сахара на 1 кг раствора 0..840 г/кг</source>
        <translation>Sugar per 1 kg of solution 0..840 g/kg</translation>
    </message>
    <message>
        <source>Ошибка - получится чистая вода бесконечного объема</source>
        <translation>Error - the result would be pure water of infinite volume</translation>
    </message>
    <message>
        <source>Результат расчета вне допустимого диапазона.
Проверьте исходные данные.</source>
        <translation>The result is out of the allowed range.
Check the input data.</translation>
    </message>
    <message>
        <source>Ошибка, стартовая концентрация  ниже или равна стоповой</source>
        <translation>Error: the start strength is below or equal to the end strength</translation>
    </message>
    <message>
        <source>Ошибка, объем браги должен быть больше 0</source>
        <translation>Error: the wash volume must be above 0</translation>
    </message>
    <message>
        <source>Ошибка, стоповая концентрация должна быть больше 0</source>
        <translation>Error: the end strength must be above 0</translation>
    </message>
    <message>
        <source>Крепости исходного спирта и результата равны: по объему воды расчет невозможен</source>
        <translation>The spirit and the result have the same strength: the water volume cannot give a result</translation>
    </message>
    <message>
        <source>Ошибка, крепость в кубе больше не снижается: стоповая концентрация недостижима</source>
        <translation>Error: the strength in the pot no longer falls: the end strength cannot be reached</translation>
    </message>
    <message>
        <source>Температура кипения раствора
выше температуры кипения воды
или ниже температуры кипения спирта</source>
        <translation>The boiling temperature of the solution
is above that of water
or below that of ethanol</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>диск защищен от записи</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>нет прав на запись в папку</source>
        <translation>no permission to write to the folder</translation>
    </message>
    <message>
        <source>под этим именем есть папка</source>
        <translation>a folder of that name is in the way</translation>
    </message>
    <message>
        <source>нет прав на замену прежнего файла</source>
        <translation>no permission to replace the previous file</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2. Прежний файл, если он был, не изменен.</source>
        <translation>Could not write the file %1: %2. The previous file, if any, is unchanged.</translation>
    </message>
    <message>
        <source>Язык переключен, но выбор не сохранен: файл %1 не записан. При следующем запуске он не будет восстановлен.</source>
        <translation>The language is switched, but the choice was not saved: the file %1 could not be written. It will not be remembered at the next start.</translation>
    </message>
    <message>
        <source>Число теоретических тарелок 0..50</source>
        <translation>Theoretical plates 0..50</translation>
    </message>
    <message>
        <source>Головы 0..50 % от абсолютного спирта</source>
        <translation>Heads 0..50 % of the absolute alcohol</translation>
    </message>
    <message>
        <source>Крепость отбора на отсечке должна быть больше 0 и меньше 100 % об.</source>
        <translation>The stream strength of a cut must be above 0 and below 100 % vol</translation>
    </message>
    <message>
        <source>Ошибка, тело должно кончиться не позже конца перегонки</source>
        <translation>Error: the hearts must end no later than the run</translation>
    </message>
    <message>
        <source>Ошибка, крепость отбора в начале перегонки не выше крепости отсечки</source>
        <translation>Error: the stream at the start of the run is not stronger than the cut</translation>
    </message>
</context>
<context>
    <name>brevimo::res</name>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>мл/сек</source>
        <translation>ml/s</translation>
    </message>
    <message>
        <source>мл/мин</source>
        <translation>ml/min</translation>
    </message>
    <message>
        <source>мл/час</source>
        <translation>ml/h</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Выход дистиллята</source>
        <translation>Distillate output</translation>
    </message>
    <message>
        <source>Раствор 1</source>
        <translation>Solution 1</translation>
    </message>
    <message>
        <source>Объем</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>% (об) спирта</source>
        <translation>% ABV</translation>
    </message>
    <message>
        <source>Раствор 2</source>
        <translation>Solution 2</translation>
    </message>
    <message>
        <source>Режим расчета</source>
        <translation>Calculation mode</translation>
    </message>
    <message>
        <source>Р1+Р2-&gt;Результат</source>
        <translation>S1+S2-&gt;Result</translation>
    </message>
    <message>
        <source>Р1,Результат-&gt;Р2</source>
        <translation>S1,Result-&gt;S2</translation>
    </message>
    <message>
        <source>Смешение растворов</source>
        <translation>Mixing</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Тестовая страница</source>
        <translation>Test page</translation>
    </message>
    <message>
        <source>Массовый</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>Объемный</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Молярный</source>
        <translation>Molar</translation>
    </message>
    <message>
        <source>Цельсия</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Кельвина</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Фаренгейта</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>мм.рт.ст.(торр)</source>
        <translation>mm Hg (torr)</translation>
    </message>
    <message>
        <source>см.вод.ст.</source>
        <translation>cm H2O</translation>
    </message>
    <message>
        <source>кПа(1e3*Н/м^2)</source>
        <translation>kPa (1e3*N/m^2)</translation>
    </message>
    <message>
        <source>ат(атм.тех,кгС/см^2)</source>
        <translation>at (tech. atm, kgf/cm^2)</translation>
    </message>
    <message>
        <source>атм(атм.физ,760 торр)</source>
        <translation>atm (std. atm, 760 torr)</translation>
    </message>
    <message>
        <source>бар(1e6*дин/см^2)</source>
        <translation>bar (1e6*dyn/cm^2)</translation>
    </message>
    <message>
        <source>psi(фунт/дюйм^2)</source>
        <translation>psi (lbf/in^2)</translation>
    </message>
    <message>
        <source>Спирт (100%)</source>
        <translation>Ethanol (100%)</translation>
    </message>
    <message>
        <source>Температура
кипения (*C)</source>
        <translation>Boiling
point (*C)</translation>
    </message>
    <message>
        <source>Рассчитать температуру</source>
        <translation>Calculate temperature</translation>
    </message>
    <message>
        <source>Давление нас.
пара (мм.рт.ст.)</source>
        <translation>Vapour press.
(mm Hg)</translation>
    </message>
    <message>
        <source>Рассчитать давление</source>
        <translation>Calculate pressure</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Раствор</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Процент спирта</source>
        <translation>Alcohol %</translation>
    </message>
    <message>
        <source>Температура кипения (градусы)</source>
        <translation>Boiling temperature (degrees)</translation>
    </message>
    <message>
        <source>Давление нас. пара</source>
        <translation>Vapour pressure</translation>
    </message>
    <message>
        <source>Вакуумн. перегонка</source>
        <translation>Vacuum distillation</translation>
    </message>
    <message>
        <source>Темпер.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Об. %</source>
        <translation>% ABV</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Начало перегонки</source>
        <translation>Start of the run</translation>
    </message>
    <message>
        <source>Конец перегонки</source>
        <translation>End of the run</translation>
    </message>
    <message>
        <source>Объем браги</source>
        <translation>Wash volume</translation>
    </message>
    <message>
        <source>Альт.парам.</source>
        <translation>Alt. param.</translation>
    </message>
    <message>
        <source>Объемн.%</source>
        <translation>% ABV</translation>
    </message>
    <message>
        <source>Выходн. парам.</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Объем дист.</source>
        <translation>Distillate vol.</translation>
    </message>
    <message>
        <source>Креп. дист.(об%)</source>
        <translation>Distillate % ABV</translation>
    </message>
    <message>
        <source>Остаток в баке</source>
        <translation>Left in the pot</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Перегонка</source>
        <translation>Distillation</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Показания ареометра
(% об)</source>
        <translation>Hydrometer
reading (% ABV)</translation>
    </message>
    <message>
        <source>Температура
измерения
(*С,-25..40)</source>
        <translation>Measured
temperature
(*C,-25..40)</translation>
    </message>
    <message>
        <source>Нужная
температура
(*С,-25...40)</source>
        <translation>Wanted
temperature
(*C,-25...40)</translation>
    </message>
    <message>
        <source>Конечная эквив. Кс (% об.)</source>
        <translation>Corrected reading (% ABV)</translation>
    </message>
    <message>
        <source>Исходная
плотность
(кг/л)</source>
        <translation>Initial
density
(kg/l)</translation>
    </message>
    <message>
        <source>Конечная
плотность
(кг/л)</source>
        <translation>Final
density
(kg/l)</translation>
    </message>
    <message>
        <source>Ошибка:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Температурный пересчет концентрации</source>
        <translation>Temperature correction</translation>
    </message>
    <message>
        <source>% Объемн.</source>
        <translation>% ABV</translation>
    </message>
    <message>
        <source>% Масс.</source>
        <translation>% mass</translation>
    </message>
    <message>
        <source>% Мол.</source>
        <translation>% mol</translation>
    </message>
    <message>
        <source>В &quot;N&quot; литрах</source>
        <translation>In &quot;N&quot; litres</translation>
    </message>
    <message>
        <source>Масса (кг)</source>
        <translation>Mass (kg)</translation>
    </message>
    <message>
        <source>Объем (л)</source>
        <translation>Volume (l)</translation>
    </message>
    <message>
        <source>Спирта</source>
        <translation>Ethanol</translation>
    </message>
    <message>
        <source>Воды</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>В &quot;N&quot; килограммах</source>
        <translation>In &quot;N&quot; kilograms</translation>
    </message>
    <message>
        <source>Плотность (кг/л)</source>
        <translation>Density (kg/l)</translation>
    </message>
    <message>
        <source>Удельный объем
(л/кг)</source>
        <translation>Specific volume
(l/kg)</translation>
    </message>
    <message>
        <source>Показ. пикн.</source>
        <translation>Pycnometer</translation>
    </message>
    <message>
        <source>Учесть изменение объема при смешении</source>
        <translation>Allow for the volume contraction on mixing</translation>
    </message>
    <message>
        <source>Мас., Об. и Мол. %, плотн.</source>
        <translation>Mass, vol., mol. %, density</translation>
    </message>
    <message>
        <source>Процент спирта в растворе</source>
        <translation>Alcohol % in the liquid</translation>
    </message>
    <message>
        <source>Темпер. кипения</source>
        <translation>Boiling temp.</translation>
    </message>
    <message>
        <source>Процент спирта в паре</source>
        <translation>Alcohol % in the vapour</translation>
    </message>
    <message>
        <source>Объемный
(конденсата)</source>
        <translation>Volume
(condensate)</translation>
    </message>
    <message>
        <source>Темп. кипения, пар</source>
        <translation>Boiling point, vapour</translation>
    </message>
    <message>
        <source>Объем исходного спирта</source>
        <translation>Volume of the spirit</translation>
    </message>
    <message>
        <source>Объем воды</source>
        <translation>Volume of water</translation>
    </message>
    <message>
        <source>Объем результата</source>
        <translation>Volume of the result</translation>
    </message>
    <message>
        <source>Что задано?</source>
        <translation>What is given?</translation>
    </message>
    <message>
        <source>Разведение спирта</source>
        <translation>Dilution</translation>
    </message>
    <message>
        <source>Вес сахара (г)</source>
        <translation>Sugar weight (g)</translation>
    </message>
    <message>
        <source>Объем воды (мл, 20*С)</source>
        <translation>Water volume (ml, 20*C)</translation>
    </message>
    <message>
        <source>Объем результата (мл, 20*С)</source>
        <translation>Result volume (ml, 20*C)</translation>
    </message>
    <message>
        <source>Вес результата (г)</source>
        <translation>Result weight (g)</translation>
    </message>
    <message>
        <source>Что нужно получить?</source>
        <translation>What is wanted?</translation>
    </message>
    <message>
        <source>Удельная масса сахара в растворе (г/л)</source>
        <translation>Sugar per litre of solution (g/l)</translation>
    </message>
    <message>
        <source>Плотность раствора  (г/л)</source>
        <translation>Density of the solution (g/l)</translation>
    </message>
    <message>
        <source>Массовая доля сахара в растворе (г/кг)</source>
        <translation>Sugar per kilogram of solution (g/kg)</translation>
    </message>
    <message>
        <source>Вес сахара
(г)</source>
        <translation>Sugar
weight (g)</translation>
    </message>
    <message>
        <source>Объем воды
(мл)</source>
        <translation>Water
volume (ml)</translation>
    </message>
    <message>
        <source>Объем
результата (мл)</source>
        <translation>Result
volume (ml)</translation>
    </message>
    <message>
        <source>Вес
результата (г)</source>
        <translation>Result
weight (g)</translation>
    </message>
    <message>
        <source>Плотность
результата (г/л)</source>
        <translation>Result
density (g/l)</translation>
    </message>
    <message>
        <source>Сахар</source>
        <translation>Sugar</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Температурный пересчет объемной концентрации спирта (Кс), измеряемой по плотности</source>
        <translation>Temperature correction of a hydrometer reading of alcohol strength (% ABV)</translation>
    </message>
    <message>
        <source>Мощность нагревателя (вт)</source>
        <translation>Heater power (W)</translation>
    </message>
    <message>
        <source>Тепловые потери (%)</source>
        <translation>Heat losses (%)</translation>
    </message>
    <message>
        <source>Флегм. число</source>
        <translation>Reflux ratio</translation>
    </message>
    <message>
        <source>% (об) спирта в выходном дистилляте</source>
        <translation>% ABV of the output distillate</translation>
    </message>
    <message>
        <source>Полный поток дистиллята</source>
        <translation>Total distillate flow</translation>
    </message>
    <message>
        <source>Выходной поток дистиллята</source>
        <translation>Output distillate flow</translation>
    </message>
    <message>
        <source>Крепость (Об. %) исходного спирта</source>
        <translation>Strength (% ABV) of the spirit</translation>
    </message>
    <message>
        <source>Крепость (Об. %) результата</source>
        <translation>Strength (% ABV) of the result</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Колонна</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Тарелок</source>
        <translation>Plates</translation>
    </message>
    <message>
        <source>Мощность (вт)</source>
        <translation>Power (W)</translation>
    </message>
    <message>
        <source>Потери (%)</source>
        <translation>Losses (%)</translation>
    </message>
    <message>
        <source>Отбор</source>
        <translation>Cuts</translation>
    </message>
    <message>
        <source>Головы (% спирта)</source>
        <translation>Heads (% alcohol)</translation>
    </message>
    <message>
        <source>Тело до</source>
        <translation>Hearts to</translation>
    </message>
    <message>
        <source>Конец</source>
        <translation>End</translation>
    </message>
    <message>
        <source>План перегонки</source>
        <translation>Run plan</translation>
    </message>
    <message>
        <source>Крепость (% об.)</source>
        <translation>Strength (% ABV)</translation>
    </message>
    <message>
        <source>Спирт (л)</source>
        <translation>Alcohol (l)</translation>
    </message>
    <message>
        <source>Время (ч:мм)</source>
        <translation>Time (h:mm)</translation>
    </message>
    <message>
        <source>Конец (ч:мм)</source>
        <translation>Ends at (h:mm)</translation>
    </message>
    <message>
        <source>Куб в конце (°C)</source>
        <translation>Pot at end (°C)</translation>
    </message>
    <message>
        <source>Струя в конце (% об.)</source>
        <translation>Stream at end (% ABV)</translation>
    </message>
    <message>
        <source>Головы</source>
        <translation>Heads</translation>
    </message>
    <message>
        <source>Тело</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>Хвосты</source>
        <translation>Tails</translation>
    </message>
    <message>
        <source>Остаток в кубе</source>
        <translation>Left in pot</translation>
    </message>
    <message>
        <source>Тело (% спирта)</source>
        <translation>Hearts (% alcohol)</translation>
    </message>
</context>
</TS>
