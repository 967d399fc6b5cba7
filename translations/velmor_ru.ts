<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Calibrate</name>
    <message>
        <source>A number from %1 to %2, please.</source>
        <translation>Введите число от %1 до %2.</translation>
    </message>
    <message>
        <source>%1 readings: mean %2, spread %3 steps%4</source>
        <translation>показаний %1: среднее %2, разброс %3 ед.%4</translation>
    </message>
    <message>
        <source>, at the range&apos;s end</source>
        <translation>, на краю диапазона</translation>
    </message>
    <message>
        <source>Who calibrates</source>
        <translation>Кто калибрует</translation>
    </message>
    <message>
        <source>Reference meter</source>
        <translation>Эталонный прибор</translation>
    </message>
    <message>
        <source>Its calibration certificate</source>
        <translation>Его свидетельство о поверке</translation>
    </message>
    <message>
        <source>Its accuracy, % of reading [0]: </source>
        <translation>Его погрешность, % от показания [0]: </translation>
    </message>
    <message>
        <source>Its accuracy, plus volts [0]: </source>
        <translation>Его погрешность, плюс вольт [0]: </translation>
    </message>
    <message>
        <source>The unit&apos;s identity (may stay empty)</source>
        <translation>Обозначение блока (можно оставить пустым)</translation>
    </message>
    <message>
        <source>%1: gain %2, offset %3 V, standard error %4 V (%5 steps)</source>
        <translation>%1: коэффициент %2, смещение %3 В, стандартная ошибка %4 В (%5 ед.)</translation>
    </message>
    <message>
        <source>  raw %1 ± %2, meter %3 V, residual %4 V (%5 steps)</source>
        <translation>  код %1 ± %2, прибор %3 В, остаток %4 В (%5 ед.)</translation>
    </message>
    <message>
        <source>the bench&apos;s calibration cannot be read (%1); judged uncalibrated</source>
        <translation>калибровку стенда не удаётся прочитать (%1); оценка без калибровки</translation>
    </message>
    <message>
        <source>warning: the bench is not calibrated (velmor-test --calibrate); readings are judged by the design&apos;s formulas</source>
        <translation>предупреждение: стенд не калиброван (velmor-test --calibrate); показания оцениваются по расчётным формулам</translation>
    </message>
    <message>
        <source>warning: the bench&apos;s calibration %1 was due %2; calibrate it again (velmor-test --calibrate)</source>
        <translation>предупреждение: срок калибровки стенда %1 истёк %2; откалибруйте его заново (velmor-test --calibrate)</translation>
    </message>
    <message>
        <source>Switch the supply off, take every load off, and connect the reference source and the meter to the unit&apos;s inputs. The supply stays off throughout.</source>
        <translation>Выключите БП, снимите всю нагрузку и подключите эталонный источник и прибор ко входам блока. БП остаётся выключенным всё время.</translation>
    </message>
    <message>
        <source>Point %1 of %2: set the source on %3 to about %4 V.</source>
        <translation>Точка %1 из %2: установите источник на входе %3 около %4 В.</translation>
    </message>
    <message>
        <source>Press Enter when it is set. </source>
        <translation>Нажмите Enter, когда установите. </translation>
    </message>
    <message>
        <source>The meter shows, in volts: </source>
        <translation>Показание прибора, В: </translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Отклонено: %1</translation>
    </message>
    <message>
        <source>The calibration is refused and not kept; the bench keeps the one it had.</source>
        <translation>Калибровка отклонена и не сохранена; у стенда остаётся прежняя.</translation>
    </message>
    <message>
        <source>Calibration %1 kept, due %2.</source>
        <translation>Калибровка %1 сохранена, действительна до %2.</translation>
    </message>
    <message>
        <source>Due in months [%1]: </source>
        <translation>Срок действия, месяцев [%1]: </translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>%1: %2 points, at least %3 are needed</source>
        <translation>%1: точек %2, нужно не меньше %3</translation>
    </message>
    <message>
        <source>%1: the points span %2 % of the input&apos;s range, at least %3 % are needed</source>
        <translation>%1: точки охватывают %2 % диапазона входа, нужно не меньше %3 %</translation>
    </message>
    <message>
        <source>%1: a point reads at an end of the unit&apos;s range (mean %2); set the source inside it</source>
        <translation>%1: точка на краю диапазона блока (среднее %2); установите источник внутри диапазона</translation>
    </message>
    <message>
        <source>%1: a point lies %2 reading steps off the fitted line, more than one; measure it again</source>
        <translation>%1: точка отстоит от прямой на %2 ед. показания, больше одной; измерьте её заново</translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 В</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 В</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3,3 В</translation>
    </message>
</context>
<context>
    <name>CalibrationPointRun</name>
    <message>
        <source>calibration stopped: no reply from the unit (%1)</source>
        <translation>калибровка остановлена: блок не отвечает (%1)</translation>
    </message>
    <message>
        <source>calibration stopped</source>
        <translation>калибровка остановлена</translation>
    </message>
</context>
<context>
    <name>CalibrationText</name>
    <message>
        <source>No calibrations.
</source>
        <translation>Калибровок нет.
</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>MADE</source>
        <translation>ВЫПОЛНЕНА</translation>
    </message>
    <message>
        <source>DUE</source>
        <translation>ДО</translation>
    </message>
    <message>
        <source>BENCH</source>
        <translation>СТЕНД</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>БЛОК</translation>
    </message>
    <message>
        <source>OPERATOR</source>
        <translation>ОПЕРАТОР</translation>
    </message>
    <message>
        <source>METER</source>
        <translation>ПРИБОР</translation>
    </message>
    <message>
        <source>Calibration %1
</source>
        <translation>Калибровка %1
</translation>
    </message>
    <message>
        <source>Made:        %1 on %2, port %3
</source>
        <translation>Выполнена:   %1 на %2, порт %3
</translation>
    </message>
    <message>
        <source>Due:         %1
</source>
        <translation>Действует до: %1
</translation>
    </message>
    <message>
        <source>Unit:        %1
</source>
        <translation>Блок:        %1
</translation>
    </message>
    <message>
        <source>Operator:    %1
</source>
        <translation>Оператор:    %1
</translation>
    </message>
    <message>
        <source>Meter:       %1, certificate %2, accuracy ±(%3 % of reading + %4 V)
</source>
        <translation>Прибор:      %1, свидетельство %2, погрешность ±(%3 % от показания + %4 В)
</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ВХОД</translation>
    </message>
    <message>
        <source>GAIN</source>
        <translation>КОЭФФИЦИЕНТ</translation>
    </message>
    <message>
        <source>OFFSET V</source>
        <translation>СМЕЩЕНИЕ В</translation>
    </message>
    <message>
        <source>STD ERROR V</source>
        <translation>СТ. ОШИБКА В</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>ЕД.</translation>
    </message>
    <message>
        <source>UNCERTAINTY V (k=2, at nominal)</source>
        <translation>НЕОПРЕДЕЛЁННОСТЬ В (k=2, при номинале)</translation>
    </message>
    <message>
        <source>RAW MEAN</source>
        <translation>СРЕДНИЙ КОД</translation>
    </message>
    <message>
        <source>SPREAD</source>
        <translation>РАЗБРОС</translation>
    </message>
    <message>
        <source>METER V</source>
        <translation>ПРИБОР В</translation>
    </message>
    <message>
        <source>RESIDUAL V</source>
        <translation>ОСТАТОК В</translation>
    </message>
</context>
<context>
    <name>Calibrations</name>
    <message>
        <source>calibration %1: its dates cannot be read</source>
        <translation>калибровка %1: её даты не читаются</translation>
    </message>
    <message>
        <source>calibration %1: a point names no input</source>
        <translation>калибровка %1: у точки не указан вход</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ambiguous: %2 calibrations have ids starting with it</source>
        <translation>«%1» неоднозначно: с него начинаются id %2 калибровок</translation>
    </message>
    <message>
        <source>the results store is off (--results off): a calibration must be kept</source>
        <translation>хранилище результатов отключено (--results off): калибровку нужно сохранить</translation>
    </message>
    <message>
        <source>it names calibration %1, which the store does not hold</source>
        <translation>в нём названа калибровка %1, которой в хранилище нет</translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>%1 at %2 (%3)</source>
        <translation>%1 в %2 (%3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>the supply shut down at %1 (%2)</source>
        <translation>БП отключился в %1 (%2)</translation>
    </message>
    <message>
        <source>the supply shut down at %1</source>
        <translation>БП отключился в %1</translation>
    </message>
    <message>
        <source>did not power on</source>
        <translation>не включился</translation>
    </message>
    <message>
        <source>no reply from the unit for %1 s</source>
        <translation>блок не отвечает %1 с</translation>
    </message>
    <message>
        <source>port lost: %1</source>
        <translation>порт потерян: %1</translation>
    </message>
    <message>
        <source>file refused: %1</source>
        <translation>файл отклонён: %1</translation>
    </message>
</context>
<context>
    <name>HoldStep</name>
    <message>
        <source>1 level for %1</source>
        <translation>1 уровень на %1</translation>
    </message>
    <message>
        <source>%1 levels, %2 in all</source>
        <translation>уровней: %1, всего %2</translation>
    </message>
    <message>
        <source>, %1 times</source>
        <translation>, %1 раз(а)</translation>
    </message>
    <message>
        <source>, the supply switched off %1 between levels</source>
        <translation>, БП выключается на %1 между уровнями</translation>
    </message>
    <message>
        <source>a hold needs at least one level</source>
        <translation>выдержке нужен хотя бы один уровень</translation>
    </message>
</context>
<context>
    <name>MapsFolder</name>
    <message>
        <source>Не удаётся создать папку %1 для карт</source>
        <translation>Не удаётся создать папку %1 для карт</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>--port and --simulate exclude each other</source>
        <translation>--port и --simulate исключают друг друга</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 задан дважды</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 требует имени</translation>
    </message>
    <message>
        <source>--%1 goes with --sweep</source>
        <translation>--%1 используется только с --sweep</translation>
    </message>
    <message>
        <source>--sweep, --plan and --check-plan exclude each other</source>
        <translation>--sweep, --plan и --check-plan исключают друг друга</translation>
    </message>
    <message>
        <source>--%1 goes with --sweep or --plan</source>
        <translation>--%1 используется только с --sweep или --plan</translation>
    </message>
    <message>
        <source>--plan needs --unit SERIAL: a plan run always names its unit</source>
        <translation>--plan требует --unit SERIAL: прогон плана всегда называет свой блок</translation>
    </message>
    <message>
        <source>--station goes with no --sweep or --check-plan</source>
        <translation>--station не сочетается с --sweep и --check-plan</translation>
    </message>
    <message>
        <source>--calibrate goes with no --sweep, --plan, --check-plan or --station</source>
        <translation>--calibrate не сочетается с --sweep, --plan, --check-plan и --station</translation>
    </message>
    <message>
        <source>--%1 goes with --calibrate</source>
        <translation>--%1 используется только с --calibrate</translation>
    </message>
    <message>
        <source>--%1 goes with --simulate</source>
        <translation>--%1 используется только с --simulate</translation>
    </message>
</context>
<context>
    <name>PlanProgress</name>
    <message>
        <source>%1/%2 %3 [%4] %5 elapsed %6 left  +5 V %7  +12 V %8  +3.3 V %9</source>
        <translation>%1/%2 %3 [%4] прошло %5 осталось %6  +5 В %7  +12 В %8  +3,3 В %9</translation>
    </message>
    <message>
        <source>step %1 of %2 &quot;%3&quot;: %4, %5</source>
        <translation>шаг %1 из %2 «%3»: %4, %5</translation>
    </message>
</context>
<context>
    <name>ReferenceFile</name>
    <message>
        <source>%1 must be text</source>
        <translation>%1 должен быть строкой</translation>
    </message>
    <message>
        <source>%1 is longer than 200 characters</source>
        <translation>%1 длиннее 200 символов</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 должен быть числом</translation>
    </message>
    <message>
        <source>%1 = %2 lies outside %3..%4</source>
        <translation>%1 = %2 вне %3..%4</translation>
    </message>
    <message>
        <source>no points ([[point]] tables)</source>
        <translation>нет точек (таблиц [[point]])</translation>
    </message>
    <message>
        <source>a point needs input = &quot;+5 V&quot;, &quot;+12 V&quot; or &quot;+3.3 V&quot;</source>
        <translation>точке нужен input = &quot;+5 V&quot;, &quot;+12 V&quot; или &quot;+3.3 V&quot;</translation>
    </message>
    <message>
        <source>a point needs meter (the meter&apos;s volts)</source>
        <translation>точке нужен meter (показание прибора в вольтах)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>больше %1 КиБ</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Unit %1    Model %2    Operator %3</source>
        <translation>Блок %1    Модель %2    Оператор %3</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>+5 V</source>
        <translation>+5 В</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 В</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3,3 В</translation>
    </message>
    <message>
        <source>%1, V</source>
        <translation>%1, В</translation>
    </message>
    <message>
        <source>Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue</source>
        <translation>Уставки нагрузки (0–255): +5 В фиолетовая, +12 В оранжевая, +3,3 В синяя</translation>
    </message>
    <message>
        <source>Shaded green: the profile&apos;s limits, darker inside the guard band. Grey: readings not judged.</source>
        <translation>Зелёным: пределы профиля, темнее — внутри защитной полосы. Серым: измерения без оценки.</translation>
    </message>
    <message>
        <source>%1    page %2 of %3</source>
        <translation>%1    стр. %2 из %3</translation>
    </message>
    <message>
        <source>%1 limits: %2</source>
        <translation>Пределы %1: %2</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>НЕ ЗАВЕРШЁН</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>ГОДЕН</translation>
    </message>
    <message>
        <source>MARGINAL</source>
        <translation>ГОДЕН (НА ГРАНИ)</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>НЕ ГОДЕН</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation>ПРЕРВАН</translation>
    </message>
    <message>
        <source>step %1 has %2 measurements; a report draws at most %3</source>
        <translation>у шага %1 %2 измерений; отчёт показывает не более %3</translation>
    </message>
    <message>
        <source>step %1: measurement &quot;%2&quot; holds a value or limit that is not a finite number</source>
        <translation>шаг %1: измерение «%2» содержит значение или предел, не являющийся конечным числом</translation>
    </message>
    <message>
        <source>step %1: reading %2 has a load setting outside 0 to 255</source>
        <translation>шаг %1: у измерения %2 уставка нагрузки вне 0–255</translation>
    </message>
    <message>
        <source>step %1: reading %2 at %3 ms is out of order or beyond 31 days</source>
        <translation>шаг %1: измерение %2 на %3 мс идёт не по порядку или позже 31 суток</translation>
    </message>
    <message>
        <source>Profile %1: %2, %3, %4; guard band %5 points</source>
        <translation>Профиль %1: %2, %3, %4; защитная полоса %5 п. п.</translation>
    </message>
    <message>
        <source>No verdict: the run did not end.</source>
        <translation>Без заключения: прогон не завершён.</translation>
    </message>
    <message>
        <source>No verdict: the run did not complete (%1).</source>
        <translation>Без заключения: прогон не доведён до конца (%1).</translation>
    </message>
    <message>
        <source>The worst outcome of its steps (%1).</source>
        <translation>Худший итог из его шагов (%1).</translation>
    </message>
    <message>
        <source>Plan run &quot;%1&quot;</source>
        <translation>Прогон плана «%1»</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (продолжение)</translation>
    </message>
    <message>
        <source>Plan %1 (%2)</source>
        <translation>План %1 (%2)</translation>
    </message>
    <message>
        <source>Bench %1    Port %2</source>
        <translation>Стенд %1    Порт %2</translation>
    </message>
    <message>
        <source>Started %1, ended %2 (%3)</source>
        <translation>Начало %1, конец %2 (%3)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Прогон %1</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Key figure</source>
        <translation>Главный показатель</translation>
    </message>
    <message>
        <source>the run has %1 steps; a report draws at most %2</source>
        <translation>в прогоне %1 шагов; отчёт показывает не более %2</translation>
    </message>
    <message>
        <source>the run has %1 readings; a report draws at most %2</source>
        <translation>в прогоне %1 измерений; отчёт показывает не более %2</translation>
    </message>
    <message>
        <source>profile &quot;%1&quot; holds a tolerance that is not a finite number</source>
        <translation>профиль «%1» содержит допуск, не являющийся конечным числом</translation>
    </message>
    <message>
        <source>profile &quot;%1&quot; holds a guard band that is not a finite number</source>
        <translation>профиль «%1» содержит защитную полосу, не являющуюся конечным числом</translation>
    </message>
    <message>
        <source>%1, unit %2, run %3</source>
        <translation>%1, блок %2, прогон %3</translation>
    </message>
    <message>
        <source>(guard %1 – %2)</source>
        <translation>(защитная полоса %1 – %2)</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3 &quot;%4&quot;</source>
        <translation>Шаг %1 из %2: %3 «%4»</translation>
    </message>
    <message>
        <source>Started %1, ended %2</source>
        <translation>Начало %1, конец %2</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Задано</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Пределы</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Измерения</translation>
    </message>
    <message>
        <source>%1 load, A</source>
        <translation>Нагрузка %1, А</translation>
    </message>
    <message>
        <source>Load, W at nominal volts</source>
        <translation>Нагрузка, Вт при номинальных напряжениях</translation>
    </message>
    <message>
        <source>Shaded green: the window, %1 to %2</source>
        <translation>Зелёным: окно срабатывания, от %1 до %2</translation>
    </message>
    <message>
        <source>The supply did not trip.</source>
        <translation>Защита БП не сработала.</translation>
    </message>
    <message>
        <source>Red: the first reading not power-good, %1 after the step began, with the load at %2</source>
        <translation>Красным: первое измерение без power-good, через %1 от начала шага, при нагрузке %2</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>A</source>
        <translation>А</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Load points</source>
        <translation>Точки нагрузки</translation>
    </message>
    <message>
        <source>Loads asked / set; volts in green pass, amber marginal, red fail.</source>
        <translation>Нагрузка заданная / установленная; напряжения зелёным — годен, жёлтым — на грани, красным — не годен.</translation>
    </message>
    <message>
        <source>%1, unit %2</source>
        <translation>%1, блок %2</translation>
    </message>
    <message>
        <source>the run has no readings</source>
        <translation>у прогона нет измерений</translation>
    </message>
    <message>
        <source>%1 (step &quot;%2&quot;)</source>
        <translation>%1 (шаг «%2»)</translation>
    </message>
    <message>
        <source>No verdict: the bench could not test: %1.</source>
        <translation>Нет заключения: стенд не смог проверить блок: %1.</translation>
    </message>
    <message>
        <source>Decided by: %1.</source>
        <translation>Решило: %1.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Readings %1: judged %2, not judged %3 (%4 supply off, %5 before the supply was up, %6 after a load jump, %7 after a shutdown)</source>
        <translation>Измерений %1: оценено %2, не оценено %3 (%4 при выключенном БП, %5 до выхода БП на режим, %6 после скачка нагрузки, %7 после отключения БП)</translation>
    </message>
    <message>
        <source>Judged uncalibrated (the design&apos;s formulas)</source>
        <translation>Оценено без калибровки (по расчётным формулам)</translation>
    </message>
    <message>
        <source>Judged with calibration %1</source>
        <translation>Оценено с калибровкой %1</translation>
    </message>
    <message>
        <source>; the bench&apos;s calibration was overdue</source>
        <translation>; калибровка стенда была просрочена</translation>
    </message>
    <message>
        <source>; the bench had no calibration</source>
        <translation>; у стенда не было калибровки</translation>
    </message>
    <message>
        <source>beyond its limit</source>
        <translation>за пределом</translation>
    </message>
    <message>
        <source>beyond its limit within the uncertainty</source>
        <translation>за пределом в пределах неопределённости</translation>
    </message>
    <message>
        <source>within the uncertainty of its limit</source>
        <translation>в пределах неопределённости от предела</translation>
    </message>
    <message>
        <source>outside the guard band</source>
        <translation>вне защитной полосы</translation>
    </message>
    <message>
        <source>clear of the limits</source>
        <translation>вдали от пределов</translation>
    </message>
    <message>
        <source>± (k=2)</source>
        <translation>± (k=2)</translation>
    </message>
    <message>
        <source>decided by: %1</source>
        <translation>решило правило: %1</translation>
    </message>
</context>
<context>
    <name>RunSweep</name>
    <message>
        <source>Cannot save the map in %1: no such folder</source>
        <translation>Не удаётся сохранить карту в %1: нет такой папки</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>%1 — символическая ссылка</source>
        <translation>%1 — символическая ссылка</translation>
    </message>
    <message>
        <source>на этом месте стоит не файл</source>
        <translation>на этом месте стоит не файл</translation>
    </message>
</context>
<context>
    <name>SessionReport</name>
    <message>
        <source>Manual session %1</source>
        <translation>Ручной сеанс %1</translation>
    </message>
    <message>
        <source>%1    Bench %2    Port %3    %4 long, ended: %5</source>
        <translation>%1    Стенд %2    Порт %3    длительность %4, завершение: %5</translation>
    </message>
    <message>
        <source>%1, V</source>
        <translation>%1, В</translation>
    </message>
    <message>
        <source>Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue</source>
        <translation>Уставки нагрузки (0–255): +5 В фиолетовая, +12 В оранжевая, +3,3 В синяя</translation>
    </message>
    <message>
        <source>Power, W</source>
        <translation>Мощность, Вт</translation>
    </message>
    <message>
        <source>Shaded green: ±5 % of nominal. Red lines: overload cuts. Grey: link to the unit lost.</source>
        <translation>Зелёным: ±5 % от номинала. Красные линии: сбросы по перегрузке. Серым: связь с блоком потеряна.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Outside ±5 %</source>
        <translation>Вне ±5 %</translation>
    </message>
    <message>
        <source>Overload cuts: %1    Link losses: %2</source>
        <translation>Сбросов по перегрузке: %1    Потерь связи: %2</translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 В</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 В</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3,3 В</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Figures from %1 of %2 readings; not judged: %3 supply off, %4 before the supply was up, %5 after a load jump%6</source>
        <translation>По %1 из %2 измерений; не оценены: %3 при выключенном БП, %4 до выхода БП на режим, %5 после скачка нагрузки%6</translation>
    </message>
    <message>
        <source>; the supply did not power on</source>
        <translation>; БП не включился</translation>
    </message>
</context>
<context>
    <name>SweepProgress</name>
    <message>
        <source>[%1] %2/%3  %4 elapsed  %5 left  +5 V %6  +12 V %7</source>
        <translation>[%1] %2/%3  прошло %4  осталось %5  +5 В %6  +12 В %7</translation>
    </message>
    <message>
        <source>row %1 done: %2/%3 cells, %4 elapsed, %5 left, +5 V %6 V, +12 V %7 V</source>
        <translation>строка %1 пройдена: %2/%3 клеток, прошло %4, осталось %5, +5 В %6 В, +12 В %7 В</translation>
    </message>
    <message>
        <source>%1 of %2 not judged</source>
        <translation>не оценено %1 из %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3 judged cells inside the ATX ±5 % band (%4)</source>
        <translation>%1: %2 из %3 оценённых клеток в допуске ATX ±5 % (%4)</translation>
    </message>
    <message>
        <source>%1: the supply did not power on (%2)</source>
        <translation>%1: БП не включился (%2)</translation>
    </message>
    <message>
        <source>%1: no reading was judged (%2)</source>
        <translation>%1: ни одно измерение не оценено (%2)</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>SweepReport</name>
    <message>
        <source>under 1 %</source>
        <translation>менее 1 %</translation>
    </message>
    <message>
        <source>1 to 2 %</source>
        <translation>от 1 до 2 %</translation>
    </message>
    <message>
        <source>2 to 3 %</source>
        <translation>от 2 до 3 %</translation>
    </message>
    <message>
        <source>3 to 4 %</source>
        <translation>от 3 до 4 %</translation>
    </message>
    <message>
        <source>4 to 5 %</source>
        <translation>от 4 до 5 %</translation>
    </message>
    <message>
        <source>5 to 6 %</source>
        <translation>от 5 до 6 %</translation>
    </message>
    <message>
        <source>6 % and more</source>
        <translation>6 % и более</translation>
    </message>
    <message>
        <source>Cross-load test &quot;%1&quot;</source>
        <translation>Кросс-нагрузочный тест «%1»</translation>
    </message>
    <message>
        <source>%1    Bench %2    Port %3</source>
        <translation>%1    Стенд %2    Порт %3</translation>
    </message>
    <message>
        <source>%1 W bound</source>
        <translation>граница %1 Вт</translation>
    </message>
    <message>
        <source>+12 V current, A</source>
        <translation>Ток +12 В, А</translation>
    </message>
    <message>
        <source>+5 V current, A</source>
        <translation>Ток +5 В, А</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Отклонение</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Клеток</translation>
    </message>
    <message>
        <source>%1 W power bound</source>
        <translation>граница мощности %1 Вт</translation>
    </message>
    <message>
        <source>Worst %1: </source>
        <translation>Худшая по %1: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 V, %2 V (%3 %) at +5 V %4 A, +12 V %5 A (row %6, column %7)</source>
        <translation>%1 В, %2 В (%3 %) при +5 В %4 А, +12 В %5 А (стр. %6, стлб. %7)</translation>
    </message>
    <message>
        <source>no judged cells</source>
        <translation>нет оценённых клеток</translation>
    </message>
    <message>
        <source>%1 of %2 judged cells inside the ATX ±5 % band on both +5 V and +12 V, %3 %</source>
        <translation>%1 из %2 оценённых клеток в допуске ATX ±5 % и по +5 В, и по +12 В, %3 %</translation>
    </message>
    <message>
        <source>Limits: LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3 (%4 W)</source>
        <translation>Пределы: LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3 (%4 Вт)</translation>
    </message>
    <message>
        <source>+3.3 V seen: none</source>
        <translation>+3,3 В: измерений нет</translation>
    </message>
    <message>
        <source>+3.3 V seen: %1 V to %2 V</source>
        <translation>+3,3 В: от %1 В до %2 В</translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 В</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 В</translation>
    </message>
    <message>
        <source>the supply did not power on: not all three outputs within ±10 % %1 s after switch-on</source>
        <translation>БП не включился: не все три выхода в пределах ±10 % через %1 с после включения</translation>
    </message>
    <message>
        <source>On the map but not judged: %1 answering the all-off frame, %2 read before the supply was up, %3 just after a load jump (a row wrap), %4 after a shutdown.</source>
        <translation>На карте, но не оценены: %1 — ответ на кадр «всё выключено», %2 — до выхода БП на режим, %3 — сразу после скачка нагрузки (переход строки), %4 — после отключения БП.</translation>
    </message>
</context>
<context>
    <name>SweepRequest</name>
    <message>
        <source>--limits takes three numbers L1,L2,P, not &quot;%1&quot;</source>
        <translation>--limits принимает три числа L1,L2,P, а не «%1»</translation>
    </message>
    <message>
        <source>--limits: %1 &quot;%2&quot; is not a whole number from 0 to 255</source>
        <translation>--limits: %1 «%2» — не целое число от 0 до 255</translation>
    </message>
    <message>
        <source>--link-timeout: &quot;%1&quot; is not a whole number of seconds from 1 to 86400</source>
        <translation>--link-timeout: «%1» — не целое число секунд от 1 до 86400</translation>
    </message>
    <message>
        <source>--limits %1: that sweep paints %2 cells and could judge none of them, even of a perfect supply (the first answers the all-off frame, the next is read as the supply comes up, the second of a row just after the load jump of its wrap)</source>
        <translation>--limits %1: такая развёртка закрашивает %2 клеток и не смогла бы оценить ни одной даже у идеального БП (первая — ответ на кадр «всё выключено», следующая снята при выходе БП на режим, вторая в строке — сразу после скачка нагрузки при переходе строки)</translation>
    </message>
</context>
<context>
    <name>SweepStep</name>
    <message>
        <source>cross-load map, LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3, cells: %4</source>
        <translation>карта перекрёстной нагрузки, LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3, ячеек: %4</translation>
    </message>
    <message>
        <source>%1, %2 s each</source>
        <translation>%1, по %2 с на ячейку</translation>
    </message>
    <message>
        <source>these limits give a map without cells</source>
        <translation>при этих пределах в карте нет ни одной ячейки</translation>
    </message>
    <message>
        <source>the map&apos;s heaviest cell draws %1 W, above the plan&apos;s power bound of %2 W</source>
        <translation>самая нагруженная ячейка карты потребляет %1 Вт, больше предела мощности плана %2 Вт</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>unknown kind of record %1</source>
        <translation>неизвестный вид записи %1</translation>
    </message>
</context>
<context>
    <name>TripStep</name>
    <message>
        <source>over-power trip</source>
        <translation>защита по мощности</translation>
    </message>
    <message>
        <source>over-current trip on %1</source>
        <translation>защита по току на %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3 by %4 %3 every %5 s up to %6 %3, window %7..%8 %</source>
        <translation>%1: от %2 %3 с шагом %4 %3 каждые %5 с до %6 %3, окно %7..%8 %</translation>
    </message>
    <message>
        <source>output is &quot;all&quot;, &quot;5&quot;, &quot;12&quot; or &quot;33&quot;</source>
        <translation>output: &quot;all&quot;, &quot;5&quot;, &quot;12&quot; или &quot;33&quot;</translation>
    </message>
    <message>
        <source>the step adds no power</source>
        <translation>шаг не добавляет мощности</translation>
    </message>
    <message>
        <source>the step adds nothing to %1</source>
        <translation>шаг ничего не добавляет к %1</translation>
    </message>
    <message>
        <source>the end (%1 %2) is below the start (%3 %2)</source>
        <translation>конец (%1 %2) ниже начала (%3 %2)</translation>
    </message>
    <message>
        <source>the step is too small: more than %1 levels up to the end</source>
        <translation>шаг слишком мал: до конца больше %1 ступеней</translation>
    </message>
    <message>
        <source>the label rates nothing the window could be a share of</source>
        <translation>на этикетке нет номинала, долей которого было бы окно</translation>
    </message>
    <message>
        <source>the ramp passes the %1 full scale (%2 A)</source>
        <translation>нагрузка выходит за полную шкалу %1 (%2 А)</translation>
    </message>
    <message>
        <source>the ramp&apos;s last load draws %1 W, above the plan&apos;s power bound of %2 W</source>
        <translation>последняя нагрузка потребляет %1 Вт, больше предела мощности плана %2 Вт</translation>
    </message>
</context>
<context>
    <name>UnitOptions</name>
    <message>
        <source>a serial number</source>
        <translation>серийный номер</translation>
    </message>
    <message>
        <source>a model name</source>
        <translation>название модели</translation>
    </message>
    <message>
        <source>an operator&apos;s name</source>
        <translation>имя оператора</translation>
    </message>
    <message>
        <source>%1 is 1 to %2 printable characters</source>
        <translation>%1 — от 1 до %2 печатных символов</translation>
    </message>
    <message>
        <source>%1; this one has the unprintable character U+%2 at character %3</source>
        <translation>%1; здесь непечатный символ U+%2 на позиции %3</translation>
    </message>
    <message>
        <source>%1; this one is empty</source>
        <translation>%1; здесь пусто</translation>
    </message>
    <message>
        <source>%1; this one has %2 characters</source>
        <translation>%1; здесь символов: %2</translation>
    </message>
    <message>
        <source>%1: not UTF-8 text</source>
        <translation>%1: не текст в UTF-8</translation>
    </message>
    <message>
        <source>%1, line %2 (%3=): %4</source>
        <translation>%1, строка %2 (%3=): %4</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>PASS</source>
        <translation>ГОДЕН</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>НЕ ГОДЕН</translation>
    </message>
    <message>
        <source>NO VERDICT</source>
        <translation>НЕТ ВЕРДИКТА</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>НЕ ЗАВЕРШЁН</translation>
    </message>
    <message>
        <source>the supply shut down at row %1, column %2 (+5 V %3 A, +12 V %4 A)</source>
        <translation>БП отключился в строке %1, столбце %2 (+5 В %3 А, +12 В %4 А)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Имитатор блока</source>
        <translation>Имитатор блока</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>(1 record)
</source>
        <translation>(1 запись)
</translation>
    </message>
    <message>
        <source>(%1 records)
</source>
        <translation>(записей: %1)
</translation>
    </message>
    <message>
        <source>Sweep %1
</source>
        <translation>Развёртка %1
</translation>
    </message>
    <message>
        <source>Started %1, ended %2 (%3)
</source>
        <translation>Начало %1, конец %2 (%3)
</translation>
    </message>
    <message>
        <source>Bench %1, port %2
</source>
        <translation>Стенд %1, порт %2
</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;: %2, %3, %4
</source>
        <translation>Сохранена как «%1»: %2, %3, %4
</translation>
    </message>
    <message>
        <source>Session %1
</source>
        <translation>Сеанс %1
</translation>
    </message>
    <message>
        <source>output</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>min V</source>
        <translation>мин, В</translation>
    </message>
    <message>
        <source>max V</source>
        <translation>макс, В</translation>
    </message>
    <message>
        <source>mean V</source>
        <translation>среднее, В</translation>
    </message>
    <message>
        <source>Overload cuts: %1
</source>
        <translation>Сбросов по перегрузке: %1
</translation>
    </message>
    <message>
        <source>Clamps: %1, link lost: %2, link back: %3
</source>
        <translation>Ограничений уставки: %1, потерь связи: %2, восстановлений связи: %3
</translation>
    </message>
    <message>
        <source>sweep %1 was recorded without its map&apos;s size</source>
        <translation>развёртка %1 записана без размера карты</translation>
    </message>
    <message>
        <source>the sweeps ran with different limits; only sweeps of the same limits compare</source>
        <translation>развёртки шли с разными пределами; сравниваются только развёртки с одинаковыми пределами</translation>
    </message>
    <message>
        <source>Cannot save %1: cannot encode the image</source>
        <translation>Не удаётся сохранить %1: не удаётся закодировать изображение</translation>
    </message>
    <message>
        <source>Verdict: %1 before, %2 after
</source>
        <translation>Вердикт: до — %1, после — %2
</translation>
    </message>
    <message>
        <source>  row %1, column %2: class %3 -&gt; %4 (+5 V %5 -&gt; %6 V, +12 V %7 -&gt; %8 V)
</source>
        <translation>  строка %1, столбец %2: класс %3 -&gt; %4 (+5 В %5 -&gt; %6 В, +12 В %7 -&gt; %8 В)
</translation>
    </message>
    <message>
        <source>recording is off: there are no records to read</source>
        <translation>запись выключена: читать нечего</translation>
    </message>
    <message>
        <source>%1: no records yet</source>
        <translation>%1: записей пока нет</translation>
    </message>
    <message>
        <source>--since takes a date as YYYY-MM-DD</source>
        <translation>--since принимает дату в виде ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>compare takes two sweeps</source>
        <translation>compare сравнивает две развёртки</translation>
    </message>
    <message>
        <source> — записи ждут доставки</source>
        <translation> — записи ждут доставки</translation>
    </message>
    <message>
        <source>The results database %1 has schema version %2, newer than this program knows (%3); it is left as it is. Use a newer velmor-test or another database.</source>
        <translation>У базы результатов %1 версия схемы %2, новее известной этой программе (%3); база оставлена как есть. Используйте более новый velmor-test или другую базу.</translation>
    </message>
    <message>
        <source>The SQLite path in &quot;%1&quot; must be absolute</source>
        <translation>Путь SQLite в «%1» должен быть абсолютным</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a results URL: use postgresql://user@host:port/database, sqlite:/path/file.sqlite or off</source>
        <translation>«%1» — не адрес базы результатов: укажите postgresql://user@host:port/database, sqlite:/path/file.sqlite или off</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no server or no database: use postgresql://user@host:port/database</source>
        <translation>в «%1» не указан сервер или база: укажите postgresql://user@host:port/database</translation>
    </message>
    <message>
        <source>%1: a symbolic link stands in the place of the results database; it is not followed</source>
        <translation>%1: на месте базы результатов стоит символическая ссылка; по ней программа не идёт</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: не удаётся создать папку</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: give at least 4 characters of the id</source>
        <translation>«%1»: укажите не менее 4 символов идентификатора</translation>
    </message>
    <message>
        <source>no record has an id starting with &quot;%1&quot;</source>
        <translation>нет записи с идентификатором, начинающимся на «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ambiguous: %2 records have ids starting with it; give more characters</source>
        <translation>«%1» неоднозначно: у %2 записей идентификатор начинается так; укажите больше символов</translation>
    </message>
    <message>
        <source>no sweep %1</source>
        <translation>нет развёртки %1</translation>
    </message>
    <message>
        <source>no session %1</source>
        <translation>нет сеанса %1</translation>
    </message>
    <message>
        <source>sweep %1 is saved as &quot;%2&quot;, which holds control characters and cannot name a file; nothing is written</source>
        <translation>развёртка %1 сохранена как «%2»: в имени управляющие символы, оно не может быть именем файла; ничего не записано</translation>
    </message>
    <message>
        <source>Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 before the supply was up, %5 just after a load jump
</source>
        <translation>Измерений: %1, оценено %2; не оценены: %3 — ответ на кадр с выключенным БП, %4 — до выхода БП на режим, %5 — сразу после скачка нагрузки
</translation>
    </message>
    <message>
        <source>The supply did not power on: not all three outputs within ±10 % %1 s after switch-on
</source>
        <translation>БП не включился: не все три выхода в пределах ±10 % через %1 с после включения
</translation>
    </message>
    <message>
        <source>%1 judged cells in both sweeps, %2 changed class: %3 within one step of the reading (1 LSB of b2 and b3, the unit&apos;s resolution), %4 by more
</source>
        <translation>Оценённых в обеих развёртках клеток: %1, класс сменили %2: %3 в пределах одного шага отсчёта (1 МЗР b2 и b3, разрешение блока), %4 — больше
</translation>
    </message>
    <message>
        <source>Difference map: %1 (green: same class; pale green: moved within one step of the reading; yellow and warmer: 1, 2, ... classes moved by more)
</source>
        <translation>Карта различий: %1 (зелёный — класс тот же; бледно-зелёный — сдвиг в пределах шага отсчёта; жёлтый и теплее — сдвиг на 1, 2, ... класса сверх того)
</translation>
    </message>
    <message>
        <source>limits %1,%2,%3, %4 cells, %5 inside</source>
        <translation>пределы %1,%2,%3, клеток %4, в допуске %5</translation>
    </message>
    <message>
        <source>%1 ticks, lowest +12 V %2</source>
        <translation>измерений %1, минимум +12 В %2</translation>
    </message>
    <message>
        <source>no records of this unit
</source>
        <translation>записей этого блока нет
</translation>
    </message>
    <message>
        <source>%1 holds no velmor-test records</source>
        <translation>в %1 нет записей velmor-test</translation>
    </message>
    <message>
        <source>%1 has schema version %2 of an older velmor-test; it is read as it is. velmor-test brings it up to date (version %3) the next time it records into it.</source>
        <translation>у %1 версия схемы %2 от прежнего velmor-test; она читается как есть. velmor-test обновит её (до версии %3), когда в следующий раз будет вести в неё запись.</translation>
    </message>
    <message>
        <source>%1: cannot create the folder for the journal of test records</source>
        <translation>%1: не удаётся создать папку для журнала записей испытаний</translation>
    </message>
    <message>
        <source>the lock file %1 of the journal cannot be made: the disk holding %2 is full; free some room there, or run with --results off</source>
        <translation>не удаётся создать файл блокировки журнала %1: диск с %2 заполнен; освободите место или запустите с --results off</translation>
    </message>
    <message>
        <source>the lock file %1 of the journal cannot be made; run with --results off to go on without test records</source>
        <translation>не удаётся создать файл блокировки журнала %1; запустите с --results off, чтобы работать без записей испытаний</translation>
    </message>
    <message>
        <source>field %1 is cut short</source>
        <translation>поле %1 обрезано</translation>
    </message>
    <message>
        <source>it holds %1 of its %2 fields</source>
        <translation>в ней %1 из %2 полей</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>запись пуста</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>её заголовок обрезан</translation>
    </message>
    <message>
        <source>its layout %1 is newer than this program reads (%2)</source>
        <translation>её формат %1 новее того, что читает эта программа (%2)</translation>
    </message>
    <message>
        <source>its header gives %1 bytes of fields, it holds %2</source>
        <translation>в заголовке %1 байт полей, а в ней %2</translation>
    </message>
    <message>
        <source>repeat test: %1 passed this sweep (limits %2,%3,%4) on %5, record %6</source>
        <translation>повторное испытание: %1 уже прошёл эту развёртку (пределы %2,%3,%4) %5, запись %6</translation>
    </message>
    <message>
        <source>the disk holding %1 is full: %2</source>
        <translation>диск с %1 заполнен: %2</translation>
    </message>
    <message>
        <source>%1 is the journal of the store %2, not of %3</source>
        <translation>%1 — журнал хранилища %2, а не %3</translation>
    </message>
    <message>
        <source>a journal entry cannot be read (%1)</source>
        <translation>запись журнала не читается (%1)</translation>
    </message>
    <message>
        <source>%1: cannot create the file: %2</source>
        <translation>%1: не удаётся создать файл: %2</translation>
    </message>
    <message>
        <source>%1 = %2 is not an integer</source>
        <translation>%1 = %2 — не целое число</translation>
    </message>
    <message>
        <source>%1 = %2, outside %3..%4</source>
        <translation>%1 = %2, вне %3..%4</translation>
    </message>
    <message>
        <source>id %1 is not one the bench makes</source>
        <translation>идентификатор %1 не из тех, что создаёт стенд</translation>
    </message>
    <message>
        <source>%1 = %2 is not a time the bench writes</source>
        <translation>%1 = %2 — не время в формате стенда</translation>
    </message>
    <message>
        <source>end state %1 is not one the bench writes</source>
        <translation>состояние завершения %1 стенд не записывает</translation>
    </message>
    <message>
        <source>%1 %2 is refused: %3 (not a value the bench writes; the record is not read)</source>
        <translation>%1 %2 отклонена: %3 (такого значения стенд не записывает; запись не читается)</translation>
    </message>
    <message>
        <source>it ended (%1) before it started (%2)</source>
        <translation>она завершилась (%1) раньше, чем началась (%2)</translation>
    </message>
    <message>
        <source>it has an end time without an end state, or the other way round</source>
        <translation>у неё есть время завершения без состояния завершения или наоборот</translation>
    </message>
    <message>
        <source>it has more than %1 cells</source>
        <translation>в ней больше %1 клеток</translation>
    </message>
    <message>
        <source>its cells are numbered with a gap (%1 where %2 belongs)</source>
        <translation>в нумерации её клеток пропуск (%1 вместо %2)</translation>
    </message>
    <message>
        <source>painted at %1, out of order or outside the sweep&apos;s times</source>
        <translation>закрашена в %1, не по порядку или вне времени развёртки</translation>
    </message>
    <message>
        <source>cell %1: %2</source>
        <translation>клетка %1: %2</translation>
    </message>
    <message>
        <source>its readings are numbered with a gap (%1 where %2 belongs)</source>
        <translation>в нумерации её измерений пропуск (%1 вместо %2)</translation>
    </message>
    <message>
        <source>it was read at %1, out of order or outside the session&apos;s times</source>
        <translation>снято в %1, не по порядку или вне времени сеанса</translation>
    </message>
    <message>
        <source>reading %1: %2</source>
        <translation>измерение %1: %2</translation>
    </message>
    <message>
        <source>its events are numbered with a gap</source>
        <translation>в нумерации её событий пропуск</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is not one the bench writes</source>
        <translation>вид «%1» стенд не записывает</translation>
    </message>
    <message>
        <source>it happened at %1, outside the session&apos;s times</source>
        <translation>произошло в %1, вне времени сеанса</translation>
    </message>
    <message>
        <source>event %1: %2</source>
        <translation>событие %1: %2</translation>
    </message>
    <message>
        <source>verdict &quot;%1&quot; is not one the bench writes</source>
        <translation>вердикт «%1» стенд не записывает</translation>
    </message>
    <message>
        <source>sweep</source>
        <translation>развёртка</translation>
    </message>
    <message>
        <source>session</source>
        <translation>сеанс</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no id: an id is up to 36 hex digits and dashes</source>
        <translation>«%1» — не идентификатор: это до 36 шестнадцатеричных цифр и дефисов</translation>
    </message>
    <message>
        <source>The results URL holds a password, which every user of this machine could read in the process list: leave it out and put it in ~/.pgpass (a line host:port:database:user:password, mode 0600) or in the environment variable PGPASSWORD</source>
        <translation>В адресе хранилища записей пароль, который любой пользователь этой машины увидит в списке процессов: уберите его и запишите в ~/.pgpass (строка host:port:database:user:password, права 0600) или в переменную окружения PGPASSWORD</translation>
    </message>
    <message>
        <source>The results URL&apos;s parameter &quot;%1&quot; is not one this program passes to PostgreSQL; it passes host, %2</source>
        <translation>Параметр «%1» адреса хранилища записей эта программа не передаёт PostgreSQL; она передаёт host, %2</translation>
    </message>
    <message>
        <source>The results URL gives its parameter &quot;%1&quot; twice</source>
        <translation>В адресе хранилища записей параметр «%1» задан дважды</translation>
    </message>
    <message>
        <source>The results URL&apos;s parameter &quot;%1&quot; holds a &apos;;&apos; or a control character</source>
        <translation>В параметре «%1» адреса хранилища записей есть «;» или управляющий символ</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot;; the commands are %2</source>
        <translation>нет команды &quot;%1&quot;; команды: %2</translation>
    </message>
    <message>
        <source>ids after %1: %2 given, %3 wanted</source>
        <translation>идентификаторов после %1: дано %2, нужно %3</translation>
    </message>
    <message>
        <source>export needs --to DIR, the folder to write into</source>
        <translation>export требует --to DIR, папку, куда писать</translation>
    </message>
    <message>
        <source>--verdict takes pass, marginal, fail, none, incomplete, error or aborted</source>
        <translation>--verdict принимает pass, marginal, fail, none, incomplete, error или aborted</translation>
    </message>
    <message>
        <source>--kind takes sweep, session or run</source>
        <translation>--kind принимает sweep, session или run</translation>
    </message>
    <message>
        <source>--format goes with export and takes json, junit or csv</source>
        <translation>--format ставится с export и принимает json, junit или csv</translation>
    </message>
    <message>
        <source>--format is for plan runs; a sweep or session exports as it is</source>
        <translation>--format — для проверок по плану; развёртка и сеанс выгружаются как есть</translation>
    </message>
    <message>
        <source>%1 = %2 %3 (limits %4..%5, guard %6..%7): %8</source>
        <translation>%1 = %2 %3 (пределы %4..%5, запас %6..%7): %8</translation>
    </message>
    <message>
        <source>Run %1
</source>
        <translation>Проверка %1
</translation>
    </message>
    <message>
        <source>Plan &quot;%1&quot; (%2), profile %3
</source>
        <translation>План «%1» (%2), профиль %3
</translation>
    </message>
    <message>
        <source>Outcome: none yet, the run is open
</source>
        <translation>Итог: пока нет, проверка не завершена
</translation>
    </message>
    <message>
        <source>Outcome: %1%2
</source>
        <translation>Итог: %1%2
</translation>
    </message>
    <message>
        <source>, failing step &quot;%1&quot;</source>
        <translation>, не пройден шаг «%1»</translation>
    </message>
    <message>
        <source>Key figure: %1
</source>
        <translation>Главный показатель: %1
</translation>
    </message>
    <message>
        <source>step</source>
        <translation>шаг</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>вид</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>итог</translation>
    </message>
    <message>
        <source>judged</source>
        <translation>оценено</translation>
    </message>
    <message>
        <source>unsettled</source>
        <translation>не оценено</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунд</translation>
    </message>
    <message>
        <source>key figure</source>
        <translation>главный показатель</translation>
    </message>
    <message>
        <source>Step %1 &quot;%2&quot;:
</source>
        <translation>Шаг %1 «%2»:
</translation>
    </message>
    <message>
        <source>measurement</source>
        <translation>величина</translation>
    </message>
    <message>
        <source>value</source>
        <translation>значение</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>ед.</translation>
    </message>
    <message>
        <source>low</source>
        <translation>нижний</translation>
    </message>
    <message>
        <source>high</source>
        <translation>верхний</translation>
    </message>
    <message>
        <source>guard low</source>
        <translation>запас снизу</translation>
    </message>
    <message>
        <source>guard high</source>
        <translation>запас сверху</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>задано</translation>
    </message>
    <message>
        <source>plan %1: %2</source>
        <translation>план %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 is not an outcome the bench writes</source>
        <translation>%1 %2 — такого итога стенд не записывает</translation>
    </message>
    <message>
        <source>it has an outcome without an end, or an end without an outcome</source>
        <translation>у неё есть итог без завершения или завершение без итога</translation>
    </message>
    <message>
        <source>outcome %1 does not go with end state %2</source>
        <translation>итог %1 не сочетается с состоянием завершения %2</translation>
    </message>
    <message>
        <source>its plan text is longer than a plan file may be</source>
        <translation>текст её плана длиннее, чем может быть файл плана</translation>
    </message>
    <message>
        <source>its steps are numbered with a gap (%1 where %2 belongs)</source>
        <translation>в нумерации её шагов пропуск (%1 вместо %2)</translation>
    </message>
    <message>
        <source>kind %1 is not one the bench writes</source>
        <translation>вид %1 стенд не записывает</translation>
    </message>
    <message>
        <source>it ran from %1 to %2, out of order or outside the run&apos;s times</source>
        <translation>он шёл с %1 по %2 — не по порядку или вне времени проверки</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>шаг %1: %2</translation>
    </message>
    <message>
        <source>it belongs to no step of the run</source>
        <translation>оно не относится ни к одному шагу проверки</translation>
    </message>
    <message>
        <source>the step&apos;s measurements are numbered with a gap (%1 where %2 belongs)</source>
        <translation>в нумерации величин шага пропуск (%1 вместо %2)</translation>
    </message>
    <message>
        <source>measurement %1: %2</source>
        <translation>величина %1: %2</translation>
    </message>
    <message>
        <source>settling %1 is not one the bench writes</source>
        <translation>состояние установления %1 стенд не записывает</translation>
    </message>
    <message>
        <source>it is judged, yet answers a frame with the supply switched off</source>
        <translation>оно оценено, хотя отвечает на кадр с выключенным блоком питания</translation>
    </message>
    <message>
        <source>it belongs to step %1, after a reading of step %2</source>
        <translation>оно относится к шагу %1, а идёт после измерения шага %2</translation>
    </message>
    <message>
        <source>it was read at %1, out of order or outside the run&apos;s times</source>
        <translation>оно снято в %1 — не по порядку или вне времени проверки</translation>
    </message>
    <message>
        <source>step %1: it counts %2 judged and %3 unsettled readings of the %4 it was given</source>
        <translation>шаг %1: он насчитывает %2 оценённых и %3 неоценённых измерений из %4 полученных</translation>
    </message>
    <message>
        <source>run</source>
        <translation>проверка</translation>
    </message>
    <message>
        <source>no run %1</source>
        <translation>нет проверки %1</translation>
    </message>
    <message>
        <source>run %1: its profile &quot;%2&quot; is not a named one and its plan text does not read</source>
        <translation>прогон %1: его профиль «%2» не из известных, а сохранённый текст плана не читается</translation>
    </message>
    <message>
        <source>repeat test: %1 passed this plan (&quot;%2&quot;) on %3, record %4</source>
        <translation>повторная проверка: %1 уже прошёл этот план («%2») %3, запись %4</translation>
    </message>
    <message>
        <source>the file is empty: its entries are gone</source>
        <translation>файл пуст: его записи пропали</translation>
    </message>
    <message>
        <source>%1 cannot be renamed to %2</source>
        <translation>%1 не удаётся переименовать в %2</translation>
    </message>
    <message>
        <source>%1 is in use: a velmor-test delivers it now (%2 is held)</source>
        <translation>%1 занят: его сейчас доставляет velmor-test (%2 удерживается)</translation>
    </message>
    <message numerus="yes">
        <source>%n test records of %1 are in %2</source>
        <translation>
            <numerusform>%n запись испытаний из %1 теперь в %2</numerusform>
            <numerusform>%n записи испытаний из %1 теперь в %2</numerusform>
            <numerusform>%n записей испытаний из %1 теперь в %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no such journal</source>
        <translation>%1: такого журнала нет</translation>
    </message>
    <message>
        <source>its checksum fails: the disk changed it</source>
        <translation>контрольная сумма не сходится: запись изменена на диске</translation>
    </message>
    <message>
        <source>%1 is the journal of %2 already: its records go there whenever velmor-test records into it</source>
        <translation>%1 уже журнал %2: его записи уходят туда всякий раз, когда velmor-test ведёт в неё запись</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation>%1 длиннее %2 символов</translation>
    </message>
    <message>
        <source>Decided by: %1
</source>
        <translation>Решило: %1
</translation>
    </message>
    <message>
        <source>Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 before the supply was up, %5 just after a load jump, %6 after a shutdown
</source>
        <translation>Измерений: %1, оценено %2; не оценены: %3 — ответ на кадр с выключенным БП, %4 — до выхода БП на режим, %5 — сразу после скачка нагрузки, %6 — после отключения БП
</translation>
    </message>
    <message>
        <source>The results database %1 has schema version %2, which no velmor-test ever wrote; it is left as it is.</source>
        <translation>База результатов %1 имеет версию схемы %2, которую не записывал ни один velmor-test; она оставлена как есть.</translation>
    </message>
    <message>
        <source>--limit and --all: give one of them</source>
        <translation>--limit и --all: задайте что-то одно</translation>
    </message>
    <message>
        <source>--limit takes a number of records, 1 or more</source>
        <translation>--limit принимает число записей, от 1</translation>
    </message>
    <message>
        <source>another velmor-test of this user is recording into %1 (%2 is held): the test records of this one cannot be kept and are lost</source>
        <translation>другой velmor-test этого пользователя ведёт запись в %1 (%2 удерживается): записи испытаний этого сохранить нельзя, они потеряны</translation>
    </message>
    <message>
        <source>%1 test records are lost: another velmor-test held the journal (%2)</source>
        <translation>потеряно записей испытаний: %1; журнал удерживал другой velmor-test (%2)</translation>
    </message>
    <message>
        <source>--measurements goes with export --format csv</source>
        <translation>--measurements применяется только с export --format csv</translation>
    </message>
    <message>
        <source>repeatability takes --unit SERIAL and --plan NAME</source>
        <translation>repeatability требует --unit СЕРИЙНЫЙ_НОМЕР и --plan ИМЯ</translation>
    </message>
    <message>
        <source>outcome &quot;%1&quot; is not one the bench writes</source>
        <translation>исход «%1» стенд не записывает</translation>
    </message>
    <message>
        <source>measurement of run</source>
        <translation>измерение прогона</translation>
    </message>
    <message>
        <source>no finding stored</source>
        <translation>причина не записана</translation>
    </message>
    <message>
        <source>in step %1, no finding stored</source>
        <translation>на шаге %1, причина не записана</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>%1 at %2 low</source>
        <translation>%1 в %2 ниже нормы</translation>
    </message>
    <message>
        <source>%1 at %2 high</source>
        <translation>%1 в %2 выше нормы</translation>
    </message>
    <message>
        <source>shut down at %1</source>
        <translation>отключился на шаге %1</translation>
    </message>
    <message>
        <source>did not power on</source>
        <translation>не включился</translation>
    </message>
    <message>
        <source>bench: no reply</source>
        <translation>стенд: нет ответа</translation>
    </message>
    <message>
        <source>its outcome &quot;%1&quot; is none the bench writes</source>
        <translation>его исход «%1» стенд не записывает</translation>
    </message>
    <message>
        <source>its outcome &quot;%1&quot; does not go with its end</source>
        <translation>его исход «%1» не соответствует его завершению</translation>
    </message>
    <message>
        <source>its outcome is no verdict the bench writes</source>
        <translation>его исход не является вердиктом, который записывает стенд</translation>
    </message>
    <message>
        <source>good</source>
        <translation>хорошо</translation>
    </message>
    <message>
        <source>acceptable</source>
        <translation>приемлемо</translation>
    </message>
    <message>
        <source>not acceptable</source>
        <translation>неприемлемо</translation>
    </message>
    <message>
        <source>no completed run of this unit on this plan
</source>
        <translation>нет завершённых прогонов этого блока по этому плану
</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>среднее</translation>
    </message>
    <message>
        <source>sigma</source>
        <translation>сигма</translation>
    </message>
    <message>
        <source>tolerance</source>
        <translation>допуск</translation>
    </message>
    <message>
        <source>%GRR</source>
        <translation>%GRR</translation>
    </message>
    <message>
        <source>rating</source>
        <translation>оценка</translation>
    </message>
    <message>
        <source>%1 completed runs; %GRR = 6 sigma / tolerance x 100: below 10 % good, 10 to 30 % acceptable, above 30 % not acceptable
</source>
        <translation>завершённых прогонов: %1; %GRR = 6 сигма / допуск x 100: ниже 10 % хорошо, от 10 до 30 % приемлемо, выше 30 % неприемлемо
</translation>
    </message>
    <message>
        <source>± (k=2)</source>
        <translation>± (k=2)</translation>
    </message>
    <message>
        <source>decided by</source>
        <translation>решило правило</translation>
    </message>
    <message>
        <source>bench: port lost</source>
        <translation>стенд: порт потерян</translation>
    </message>
    <message>
        <source>bench: file refused</source>
        <translation>стенд: файл отклонён</translation>
    </message>
    <message>
        <source>settling &quot;%1&quot; is not one the bench writes</source>
        <translation>состояние установления «%1» стенд не записывает</translation>
    </message>
    <message>
        <source>its times %1 to %2 are out of order or outside the run&apos;s times</source>
        <translation>его время с %1 по %2 идёт не по порядку или вне времени проверки</translation>
    </message>
    <message>
        <source>the envelope&apos;s slot %1: %2</source>
        <translation>отрезок огибающей %1: %2</translation>
    </message>
    <message>
        <source>the envelope stands for %1 readings of the run&apos;s %2</source>
        <translation>огибающая представляет %1 отсчётов из %2 отсчётов проверки</translation>
    </message>
    <message>
        <source>--limit and --all go with list and history</source>
        <translation>--limit и --all используются только с list и history</translation>
    </message>
    <message>
        <source>%1 more: --all lists every one, --limit N the newest N</source>
        <translation>ещё %1: --all покажет все, --limit N — новейшие N</translation>
    </message>
    <message>
        <source>%1 earlier: --all shows every one, --limit N the newest N</source>
        <translation>более ранних ещё %1: --all покажет все, --limit N — новейшие N</translation>
    </message>
    <message>
        <source>(the newest record; %1)
</source>
        <translation>(новейшая запись; %1)
</translation>
    </message>
    <message>
        <source>(the newest %1 records; %2)
</source>
        <translation>(новейших записей: %1; %2)
</translation>
    </message>
</context>
<context>
    <name>ui::Files</name>
    <message>
        <source>Не удаётся сохранить %1: %2</source>
        <translation>Не удаётся сохранить %1: %2</translation>
    </message>
    <message>
        <source>не удаётся закодировать изображение</source>
        <translation>не удаётся закодировать изображение</translation>
    </message>
</context>
<context>
    <name>ui::Operator</name>
    <message>
        <source> — порт недоступен</source>
        <translation> — порт недоступен</translation>
    </message>
</context>
<context>
    <name>velmor::AutomaticPlanRun</name>
    <message>
        <source>test plan &quot;%1&quot; on %2 under way</source>
        <translation>идёт план испытаний «%1» на %2</translation>
    </message>
</context>
<context>
    <name>velmor::AutomaticRun</name>
    <message>
        <source>cannot keep the machine from sleeping (%1); the run goes on all the same</source>
        <translation>не удаётся запретить машине засыпать (%1); прогон всё равно продолжается</translation>
    </message>
</context>
<context>
    <name>velmor::AutomaticSweep</name>
    <message>
        <source>cross-load sweep &quot;%1&quot; under way</source>
        <translation>идёт перекрёстная развёртка «%1»</translation>
    </message>
</context>
<context>
    <name>velmor::CalibrationDialog</name>
    <message>
        <source>Калибровка блока стенда</source>
        <translation>Калибровка блока стенда</translation>
    </message>
    <message>
        <source>Выключите проверяемый блок питания и снимите всю нагрузку: во время калибровки он остаётся выключенным. Подключите к входам измерительного блока регулируемый образцовый источник и образцовый вольтметр.</source>
        <translation>Выключите проверяемый блок питания и снимите всю нагрузку: во время калибровки он остаётся выключенным. Подключите к входам измерительного блока регулируемый образцовый источник и образцовый вольтметр.</translation>
    </message>
    <message>
        <source>Калибрует:</source>
        <translation>Калибрует:</translation>
    </message>
    <message>
        <source>Образцовый вольтметр:</source>
        <translation>Образцовый вольтметр:</translation>
    </message>
    <message>
        <source>Его свидетельство о поверке:</source>
        <translation>Его свидетельство о поверке:</translation>
    </message>
    <message>
        <source>Его погрешность, % от показания:</source>
        <translation>Его погрешность, % от показания:</translation>
    </message>
    <message>
        <source>Его погрешность, плюс вольт:</source>
        <translation>Его погрешность, плюс вольт:</translation>
    </message>
    <message>
        <source>Измерительный блок (можно не указывать):</source>
        <translation>Измерительный блок (можно не указывать):</translation>
    </message>
    <message>
        <source>Срок действия, месяцев:</source>
        <translation>Срок действия, месяцев:</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Измерить</source>
        <translation>Измерить</translation>
    </message>
    <message>
        <source>Вольтметр показывает, В:</source>
        <translation>Вольтметр показывает, В:</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Сохранить калибровку</source>
        <translation>Сохранить калибровку</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Укажите, кто калибрует, образцовый вольтметр и его свидетельство.</source>
        <translation>Укажите, кто калибрует, образцовый вольтметр и его свидетельство.</translation>
    </message>
    <message>
        <source>Имена и номера — одной строкой, без управляющих знаков.</source>
        <translation>Имена и номера — одной строкой, без управляющих знаков.</translation>
    </message>
    <message>
        <source>Погрешность в процентах — число от 0 до 10.</source>
        <translation>Погрешность в процентах — число от 0 до 10.</translation>
    </message>
    <message>
        <source>Погрешность в вольтах — число от 0 до 1.</source>
        <translation>Погрешность в вольтах — число от 0 до 1.</translation>
    </message>
    <message>
        <source>Точка %1 из %2: установите образцовый источник на входе %3 около %4 В, затем нажмите «Измерить».</source>
        <translation>Точка %1 из %2: установите образцовый источник на входе %3 около %4 В, затем нажмите «Измерить».</translation>
    </message>
    <message>
        <source>%1 показаний: среднее %2, разброс %3 шага%4</source>
        <translation>%1 показаний: среднее %2, разброс %3 шага%4</translation>
    </message>
    <message>
        <source>, на краю диапазона</source>
        <translation>, на краю диапазона</translation>
    </message>
    <message>
        <source>Показания усредняются…</source>
        <translation>Показания усредняются…</translation>
    </message>
    <message>
        <source>Показание вольтметра — число от 0 до %1 В; введите его ещё раз.</source>
        <translation>Показание вольтметра — число от 0 до %1 В; введите его ещё раз.</translation>
    </message>
    <message>
        <source>%1: усиление %2, смещение %3 В, стандартная ошибка %4 В (%5 шага)</source>
        <translation>%1: усиление %2, смещение %3 В, стандартная ошибка %4 В (%5 шага)</translation>
    </message>
    <message>
        <source>  код %1 ± %2, вольтметр %3 В, остаток %4 В (%5 шага)</source>
        <translation>  код %1 ± %2, вольтметр %3 В, остаток %4 В (%5 шага)</translation>
    </message>
    <message>
        <source>Отказ: %1</source>
        <translation>Отказ: %1</translation>
    </message>
    <message>
        <source>Калибровка отклонена и не сохранена; стенд судит по прежней.</source>
        <translation>Калибровка отклонена и не сохранена; стенд судит по прежней.</translation>
    </message>
    <message>
        <source>Калибровка сохраняется…</source>
        <translation>Калибровка сохраняется…</translation>
    </message>
    <message>
        <source>Калибровка не сохранена: %1</source>
        <translation>Калибровка не сохранена: %1</translation>
    </message>
    <message>
        <source>Калибровка %1 сохранена, действительна до %2.</source>
        <translation>Калибровка %1 сохранена, действительна до %2.</translation>
    </message>
</context>
<context>
    <name>velmor::FormGraf</name>
    <message>
        <source>Ручной режим</source>
        <translation>Ручной режим</translation>
    </message>
    <message>
        <source>Введите имя файла (без расширения)</source>
        <translation>Введите имя файла (без расширения)</translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation>Ввод</translation>
    </message>
</context>
<context>
    <name>velmor::Language</name>
    <message>
        <source>--language takes ru (Russian) or en (English), not &quot;%1&quot;</source>
        <translation>--language принимает ru (русский) или en (английский), а не «%1»</translation>
    </message>
</context>
<context>
    <name>velmor::LinkTrace</name>
    <message>
        <source>Не удаётся записать трассу связи %1: %2</source>
        <translation>Не удаётся записать трассу связи %1: %2</translation>
    </message>
    <message>
        <source>%1 is the serial port</source>
        <translation>%1 — это последовательный порт</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 — символическая ссылка</translation>
    </message>
    <message>
        <source>%1 is a device</source>
        <translation>%1 — устройство</translation>
    </message>
    <message>
        <source>a FIFO with no reader</source>
        <translation>у FIFO нет читателя</translation>
    </message>
</context>
<context>
    <name>velmor::MapFile</name>
    <message>
        <source>Не удаётся сохранить карту без имени</source>
        <translation>Не удаётся сохранить карту без имени</translation>
    </message>
    <message>
        <source>Не удаётся сохранить карту: имя файла не может содержать символ NUL</source>
        <translation>Не удаётся сохранить карту: имя файла не может содержать символ NUL</translation>
    </message>
    <message>
        <source>Не удаётся сохранить карту как &quot;%1&quot;: имя ведёт за пределы папки Graf</source>
        <translation>Не удаётся сохранить карту как &quot;%1&quot;: имя ведёт за пределы папки Graf</translation>
    </message>
    <message>
        <source>Не удаётся сохранить карту как &quot;%1&quot;: &quot;.&quot; не может быть именем</source>
        <translation>Не удаётся сохранить карту как &quot;%1&quot;: &quot;.&quot; не может быть именем</translation>
    </message>
</context>
<context>
    <name>velmor::ModelsFile</name>
    <message>
        <source>cannot be read as a models file</source>
        <translation>не читается как файл моделей</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>неизвестный ключ %1</translation>
    </message>
    <message>
        <source>models must be a table of models</source>
        <translation>models должен быть таблицей моделей</translation>
    </message>
    <message>
        <source>model %1 must be a table with plan = &quot;FILE&quot;</source>
        <translation>модель %1 должна быть таблицей с plan = &quot;FILE&quot;</translation>
    </message>
    <message>
        <source>model %1 names no plan</source>
        <translation>у модели %1 не указан план</translation>
    </message>
    <message>
        <source>plan of model %1 must be a file name</source>
        <translation>план модели %1 должен быть именем файла</translation>
    </message>
    <message>
        <source>golden of model %1 must be a list of serial numbers, golden = [&quot;SN&quot;, …]</source>
        <translation>golden модели %1 должен быть списком серийных номеров, golden = [&quot;SN&quot;, …]</translation>
    </message>
    <message>
        <source>a golden serial of model %1 must be 1 to %2 printable characters</source>
        <translation>эталонный серийный номер модели %1 должен состоять из 1–%2 печатных знаков</translation>
    </message>
    <message>
        <source>golden serial %1 is named twice (model %2)</source>
        <translation>эталонный серийный номер %1 назван дважды (модель %2)</translation>
    </message>
</context>
<context>
    <name>velmor::OutputGauge</name>
    <message>
        <source>%1 В</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>— В</source>
        <translation>— В</translation>
    </message>
</context>
<context>
    <name>velmor::Plan</name>
    <message>
        <source>pace must be &quot;ticks&quot; or &quot;replies&quot;, not &quot;%1&quot;</source>
        <translation>pace — «ticks» или «replies», а не «%1»</translation>
    </message>
    <message>
        <source>unknown profile &quot;%1&quot; (known: atx, atx3; or give out5, out12 and out33)</source>
        <translation>неизвестный профиль «%1» (известны: atx, atx3; или задайте out5, out12 и out33)</translation>
    </message>
    <message>
        <source>the profile needs a name (atx, atx3) or out5, out12 and out33</source>
        <translation>профилю нужно имя (atx, atx3) или out5, out12 и out33</translation>
    </message>
    <message>
        <source>a profile of its own gives out5, out12 and out33</source>
        <translation>свой профиль задаёт out5, out12 и out33</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a built-in profile: name a profile of your own differently</source>
        <translation>«%1» — встроенный профиль: назовите свой профиль иначе</translation>
    </message>
    <message>
        <source>%1 must hold nominal: low at most 0, high at least 0</source>
        <translation>%1 должен включать номинал: нижняя граница не больше 0, верхняя не меньше 0</translation>
    </message>
    <message>
        <source>a guard band of %1 points leaves nothing of %2 (%3 to %4 %)</source>
        <translation>защитная полоса %1 п. п. не оставляет ничего от %2 (от %3 до %4 %)</translation>
    </message>
    <message>
        <source>unknown step kind &quot;%1&quot; (known: %2)</source>
        <translation>неизвестный вид шага «%1» (известны: %2)</translation>
    </message>
    <message>
        <source>not valid TOML: %1</source>
        <translation>не TOML: %1</translation>
    </message>
    <message>
        <source>the plan has no steps</source>
        <translation>в плане нет шагов</translation>
    </message>
    <message>
        <source>the plan has no steps ([[step]] tables)</source>
        <translation>в плане нет шагов (таблиц [[step]])</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>larger than the %1 KiB a plan may have</source>
        <translation>больше допустимых для плана %1 КиБ</translation>
    </message>
    <message>
        <source>%1 %2..%3 %</source>
        <translation>%1 %2..%3 %</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>plan %1 (%2)
</source>
        <translation>план %1 (%2)
</translation>
    </message>
    <message>
        <source>supply: %1 W; +5 V %2 A, +12 V %3 A, +3.3 V %4 A; power bound %5 W
</source>
        <translation>БП: %1 Вт; +5 В %2 А, +12 В %3 А, +3,3 В %4 А; граница мощности %5 Вт
</translation>
    </message>
    <message>
        <source>profile: %1 (%2, %3, %4), guard band %5 points
</source>
        <translation>профиль: %1 (%2, %3, %4), защитная полоса %5 п. п.
</translation>
    </message>
    <message>
        <source>pace: replies
</source>
        <translation>темп: по ответам
</translation>
    </message>
    <message>
        <source>settle time: %1 ms
</source>
        <translation>время установления: %1 мс
</translation>
    </message>
    <message>
        <source>pace: ticks
</source>
        <translation>темп: по тактам
</translation>
    </message>
    <message>
        <source>%1. %2 &quot;%3&quot;: %4; about %5
</source>
        <translation>%1. %2 «%3»: %4; около %5
</translation>
    </message>
    <message>
        <source>steps: %1, about %2 in all
</source>
        <translation>шагов: %1, всего около %2
</translation>
    </message>
    <message>
        <source>missing key %1</source>
        <translation>нет ключа %1</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 должен быть числом</translation>
    </message>
    <message>
        <source>%1 = %2 is out of range (%3 to %4)</source>
        <translation>%1 = %2 вне диапазона (от %3 до %4)</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 должен быть целым числом</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 должен быть строкой</translation>
    </message>
    <message>
        <source>%1 has a control character</source>
        <translation>в %1 управляющий символ</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 должен быть true или false</translation>
    </message>
    <message>
        <source>%1 must be two numbers [low, high]</source>
        <translation>%1 должен быть парой чисел [нижнее, верхнее]</translation>
    </message>
    <message>
        <source>%1: %2 is out of range (%3 to %4)</source>
        <translation>%1: %2 вне диапазона (от %3 до %4)</translation>
    </message>
    <message>
        <source>%1: low %2 is above high %3</source>
        <translation>%1: нижнее %2 больше верхнего %3</translation>
    </message>
    <message>
        <source>%1 must be a load, e.g. { a5 = 10, a12 = 8 } or { percent = 50 }</source>
        <translation>%1 должен быть нагрузкой, например { a5 = 10, a12 = 8 } или { percent = 50 }</translation>
    </message>
    <message>
        <source>%1 mixes amperes (a5, a12, a33), percent per output (p5, p12, p33) and percent of all three: give one of them</source>
        <translation>%1 смешивает амперы (a5, a12, a33), проценты по выходам (p5, p12, p33) и проценты для всех трёх: задайте что-то одно</translation>
    </message>
    <message>
        <source>%1 asks for %2 A on %3, above the unit&apos;s full scale of %4 A</source>
        <translation>%1 требует %2 А по %3, больше полной шкалы блока %4 А</translation>
    </message>
    <message>
        <source>%1 draws %2 W at nominal volts, above the plan&apos;s power bound of %3 W</source>
        <translation>%1 потребляет %2 Вт при номинальных напряжениях, больше границы мощности плана %3 Вт</translation>
    </message>
    <message>
        <source>%1 must be an array of loads</source>
        <translation>%1 должен быть массивом нагрузок</translation>
    </message>
    <message>
        <source>%1 must be a table</source>
        <translation>%1 должен быть таблицей</translation>
    </message>
    <message>
        <source>%1 must be an array of tables ([[%1]])</source>
        <translation>%1 должен быть массивом таблиц ([[%1]])</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>неизвестный ключ %1</translation>
    </message>
    <message>
        <source>load points: %1, %2 s each</source>
        <translation>точек нагрузки: %1, по %2 с</translation>
    </message>
    <message>
        <source>no load points</source>
        <translation>нет точек нагрузки</translation>
    </message>
    <message>
        <source>name must be 1 to %1 characters, not blank</source>
        <translation>name должен содержать от 1 до %1 символов и не быть пустым</translation>
    </message>
    <message>
        <source>%1 is narrower than one step of the unit&apos;s reading: no reading can pass it</source>
        <translation>%1 уже одного шага показаний блока: ни одно показание не может в него попасть</translation>
    </message>
    <message>
        <source>the plan would take %1 days; a plan may take at most %2</source>
        <translation>план занял бы %1 сут; план может длиться не более %2</translation>
    </message>
    <message>
        <source>unknown key %1 (and missing key %2)</source>
        <translation>неизвестный ключ %1 (и нет ключа %2)</translation>
    </message>
</context>
<context>
    <name>velmor::Program</name>
    <message>
        <source>the bench&apos;s calibration cannot be read (%1); the graph window&apos;s sweeps are recorded uncalibrated</source>
        <translation>калибровку стенда не прочитать (%1); прогоны окна графика записываются без калибровки</translation>
    </message>
</context>
<context>
    <name>velmor::QtSerialPort</name>
    <message>
        <source>Не удаётся открыть последовательный порт %1: %2</source>
        <translation>Не удаётся открыть последовательный порт %1: %2</translation>
    </message>
    <message>
        <source>порт уже открыт</source>
        <translation>порт уже открыт</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>слишком длинное имя</translation>
    </message>
    <message>
        <source>. Возможно, порт занят другой программой; иначе дайте своему пользователю доступ к нему (Linux: sudo usermod -aG dialout $USER и войдите в систему заново, или правило udev для адаптера)</source>
        <translation>. Возможно, порт занят другой программой; иначе дайте своему пользователю доступ к нему (Linux: sudo usermod -aG dialout $USER и войдите в систему заново, или правило udev для адаптера)</translation>
    </message>
</context>
<context>
    <name>velmor::RecordText</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1, точка %2</translation>
    </message>
    <message>
        <source>%1 load at %2</source>
        <translation>нагрузка %1, точка %2</translation>
    </message>
    <message>
        <source>regulation %1</source>
        <translation>нестабильность %1</translation>
    </message>
    <message>
        <source>%1: no settled reading</source>
        <translation>%1: нет установившегося показания</translation>
    </message>
    <message>
        <source>no settled reading at %1</source>
        <translation>нет установившегося показания в точке %1</translation>
    </message>
    <message>
        <source>%1 lowest</source>
        <translation>%1 наименьшее</translation>
    </message>
    <message>
        <source>%1 highest</source>
        <translation>%1 наибольшее</translation>
    </message>
    <message>
        <source>%1 readings outside</source>
        <translation>%1: показаний вне допуска</translation>
    </message>
    <message>
        <source>readings judged</source>
        <translation>показаний оценено</translation>
    </message>
    <message>
        <source>readings not judged</source>
        <translation>показаний не оценено</translation>
    </message>
    <message>
        <source>%1, no reading judged</source>
        <translation>%1, ни одно показание не оценено</translation>
    </message>
    <message>
        <source>%1, %2 judged, none outside</source>
        <translation>%1, оценено %2, вне допуска нет</translation>
    </message>
    <message>
        <source>%1, %2 judged, %3 outside</source>
        <translation>%1, оценено %2, вне допуска %3</translation>
    </message>
    <message>
        <source>cells judged</source>
        <translation>ячеек оценено</translation>
    </message>
    <message>
        <source>cells inside</source>
        <translation>ячеек в допуске</translation>
    </message>
    <message>
        <source>cells outside</source>
        <translation>ячеек вне допуска</translation>
    </message>
    <message>
        <source>worst %1</source>
        <translation>худшее %1</translation>
    </message>
    <message>
        <source>%1 of %2 cells inside</source>
        <translation>%1 из %2 ячеек в допуске</translation>
    </message>
    <message>
        <source>trip power</source>
        <translation>срабатывание: мощность</translation>
    </message>
    <message>
        <source>held power</source>
        <translation>удержано: мощность</translation>
    </message>
    <message>
        <source>trip current %1</source>
        <translation>срабатывание: ток %1</translation>
    </message>
    <message>
        <source>held current %1</source>
        <translation>удержано: ток %1</translation>
    </message>
    <message>
        <source>no trip up to</source>
        <translation>нет срабатывания до</translation>
    </message>
    <message>
        <source>%1 before the trip</source>
        <translation>%1 до срабатывания</translation>
    </message>
    <message>
        <source>trip at %1 W</source>
        <translation>срабатывание при %1 Вт</translation>
    </message>
    <message>
        <source>trip at %1 A on %2</source>
        <translation>срабатывание при %1 А на %2</translation>
    </message>
    <message>
        <source>no trip up to %1 W</source>
        <translation>нет срабатывания до %1 Вт</translation>
    </message>
    <message>
        <source>no trip up to %1 A</source>
        <translation>нет срабатывания до %1 А</translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 В</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 В</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3,3 В</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>beyond the range</source>
        <translation>за пределом измерения</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 А</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 Вт</translation>
    </message>
</context>
<context>
    <name>velmor::Startup</name>
    <message>
        <source>Трасса связи</source>
        <translation>Трасса связи</translation>
    </message>
</context>
<context>
    <name>velmor::StationCalibration</name>
    <message>
        <source>Калибровка стенда: проверяется…</source>
        <translation>Калибровка стенда: проверяется…</translation>
    </message>
    <message>
        <source>Калибровка стенда не прочитана: %1</source>
        <translation>Калибровка стенда не прочитана: %1</translation>
    </message>
    <message>
        <source>Стенд не калиброван</source>
        <translation>Стенд не калиброван</translation>
    </message>
    <message>
        <source>Калибровка стенда действительна до %1</source>
        <translation>Калибровка стенда действительна до %1</translation>
    </message>
    <message>
        <source>Калибровка стенда просрочена: срок был %1</source>
        <translation>Калибровка стенда просрочена: срок был %1</translation>
    </message>
    <message>
        <source>Калибровка стенда ещё проверяется; нажмите Enter ещё раз</source>
        <translation>Калибровка стенда ещё проверяется; нажмите Enter ещё раз</translation>
    </message>
    <message>
        <source>Калибровка стенда просрочена (срок был %1).</source>
        <translation>Калибровка стенда просрочена (срок был %1).</translation>
    </message>
    <message>
        <source>Стенд не калиброван.</source>
        <translation>Стенд не калиброван.</translation>
    </message>
    <message>
        <source>Откалибруйте блок стенда: кнопка «Калибровка блока…» или velmor-test --calibrate.</source>
        <translation>Откалибруйте блок стенда: кнопка «Калибровка блока…» или velmor-test --calibrate.</translation>
    </message>
</context>
<context>
    <name>velmor::StationGolden</name>
    <message>
        <source>%1: golden = «%2»: допустимо &quot;shift&quot; или &quot;off&quot;.</source>
        <translation>%1: golden = «%2»: допустимо &quot;shift&quot; или &quot;off&quot;.</translation>
    </message>
    <message>
        <source>%1: shifts: «%2» не время начала смены ЧЧ:ММ.</source>
        <translation>%1: shifts: «%2» не время начала смены ЧЧ:ММ.</translation>
    </message>
    <message>
        <source>%1: golden = &quot;shift&quot; требует начала смен, например shifts = [&quot;06:00&quot;, &quot;14:00&quot;, &quot;22:00&quot;].</source>
        <translation>%1: golden = &quot;shift&quot; требует начала смен, например shifts = [&quot;06:00&quot;, &quot;14:00&quot;, &quot;22:00&quot;].</translation>
    </message>
    <message>
        <source>Исправьте station.conf и откройте станцию заново.</source>
        <translation>Исправьте station.conf и откройте станцию заново.</translation>
    </message>
    <message>
        <source>Файл моделей отклонён: %1
Исправьте его: в нём названы эталонные блоки.</source>
        <translation>Файл моделей отклонён: %1
Исправьте его: в нём названы эталонные блоки.</translation>
    </message>
    <message>
        <source>Станция требует проверки эталонного блока в каждой смене, но файл моделей %1 не называет ни одного: укажите его серийный номер (golden = [&quot;…&quot;]).</source>
        <translation>Станция требует проверки эталонного блока в каждой смене, но файл моделей %1 не называет ни одного: укажите его серийный номер (golden = [&quot;…&quot;]).</translation>
    </message>
    <message>
        <source>Проверка эталонного блока ещё ищется в базе; нажмите Enter ещё раз</source>
        <translation>Проверка эталонного блока ещё ищется в базе; нажмите Enter ещё раз</translation>
    </message>
    <message>
        <source>В этой смене (с %1) эталонный блок на этом стенде ещё не прошёл проверку. Сначала проверьте эталонный блок (%2), затем этот.</source>
        <translation>В этой смене (с %1) эталонный блок на этом стенде ещё не прошёл проверку. Сначала проверьте эталонный блок (%2), затем этот.</translation>
    </message>
    <message>
        <source>База результатов не прочитана: %1</source>
        <translation>База результатов не прочитана: %1</translation>
    </message>
</context>
<context>
    <name>velmor::StationWindow</name>
    <message>
        <source>ГОДЕН</source>
        <translation>ГОДЕН</translation>
    </message>
    <message>
        <source>НЕ ГОДЕН</source>
        <translation>НЕ ГОДЕН</translation>
    </message>
    <message>
        <source>ОШИБКА</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>ПРЕРВАН</source>
        <translation>ПРЕРВАН</translation>
    </message>
    <message>
        <source>Velmor test — станция</source>
        <translation>Velmor test — станция</translation>
    </message>
    <message>
        <source>+5 В</source>
        <translation>+5 В</translation>
    </message>
    <message>
        <source>+12 В</source>
        <translation>+12 В</translation>
    </message>
    <message>
        <source>+3,3 В</source>
        <translation>+3,3 В</translation>
    </message>
    <message>
        <source>Последние проверки:</source>
        <translation>Последние проверки:</translation>
    </message>
    <message>
        <source>План выбирается по модели (%1)</source>
        <translation>План выбирается по модели (%1)</translation>
    </message>
    <message>
        <source>План: %1</source>
        <translation>План: %1</translation>
    </message>
    <message>
        <source>Модель «%1» не найдена в %2</source>
        <translation>Модель «%1» не найдена в %2</translation>
    </message>
    <message>
        <source>План: %1, около %2</source>
        <translation>План: %1, около %2</translation>
    </message>
    <message>
        <source>Шаг %1 из %2: %3</source>
        <translation>Шаг %1 из %2: %3</translation>
    </message>
    <message>
        <source>Прошло %1, осталось около %2</source>
        <translation>Прошло %1, осталось около %2</translation>
    </message>
    <message>
        <source>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность %4 Вт</source>
        <translation>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность %4 Вт</translation>
    </message>
    <message>
        <source>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; нет ответа блока</source>
        <translation>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; нет ответа блока</translation>
    </message>
    <message>
        <source>Отчёт не записан: %1</source>
        <translation>Отчёт не записан: %1</translation>
    </message>
    <message>
        <source>Отчёт: %1</source>
        <translation>Отчёт: %1</translation>
    </message>
    <message>
        <source>Шаг «%1»: %2</source>
        <translation>Шаг «%1»: %2</translation>
    </message>
    <message>
        <source>В пределах, но близко к границе. %1</source>
        <translation>В пределах, но близко к границе. %1</translation>
    </message>
    <message>
        <source>станция: %1: %2</source>
        <translation>станция: %1: %2</translation>
    </message>
    <message>
        <source>Поиск прежних проверок блока…</source>
        <translation>Поиск прежних проверок блока…</translation>
    </message>
    <message>
        <source>ПОВТОР</source>
        <translation>ПОВТОР</translation>
    </message>
    <message>
        <source>%1
Enter — проверить ещё раз, Esc — отмена</source>
        <translation>%1
Enter — проверить ещё раз, Esc — отмена</translation>
    </message>
    <message>
        <source>Серийный номер (&amp;S):</source>
        <translation>Серийный номер (&amp;S):</translation>
    </message>
    <message>
        <source>Модель (&amp;M):</source>
        <translation>Модель (&amp;M):</translation>
    </message>
    <message>
        <source>Оператор (&amp;O):</source>
        <translation>Оператор (&amp;O):</translation>
    </message>
    <message>
        <source>Стоп (Esc)</source>
        <translation>Стоп (Esc)</translation>
    </message>
    <message>
        <source>Файл моделей %1 не найден: в нём каждой модели указан её план (или запустите станцию с --plan ФАЙЛ)</source>
        <translation>Файл моделей %1 не найден: в нём каждой модели указан её план (или запустите станцию с --plan ФАЙЛ)</translation>
    </message>
    <message>
        <source>Модель не выбрана: её план ищется в %1</source>
        <translation>Модель не выбрана: её план ищется в %1</translation>
    </message>
    <message>
        <source>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность неизвестна: напряжение за пределом измерения блока</source>
        <translation>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность неизвестна: напряжение за пределом измерения блока</translation>
    </message>
    <message>
        <source>ОШИБКА СТЕНДА</source>
        <translation>ОШИБКА СТЕНДА</translation>
    </message>
    <message>
        <source>%1
Проверьте кабель и питание измерительного блока и его порт, затем проверьте блок снова.</source>
        <translation>%1
Проверьте кабель и питание измерительного блока и его порт, затем проверьте блок снова.</translation>
    </message>
    <message>
        <source>Шаг «%1»</source>
        <translation>Шаг «%1»</translation>
    </message>
    <message>
        <source>Серийный номер пуст, длиннее %1 знаков или содержит недопустимые знаки</source>
        <translation>Серийный номер пуст, длиннее %1 знаков или содержит недопустимые знаки</translation>
    </message>
    <message>
        <source>%1
Исправьте файл %2 (или выберите другую модель), затем проверьте блок снова.</source>
        <translation>%1
Исправьте файл %2 (или выберите другую модель), затем проверьте блок снова.</translation>
    </message>
    <message>
        <source>%1
Проверьте, что адаптер порта подключён к компьютеру, затем проверьте блок снова.</source>
        <translation>%1
Проверьте, что адаптер порта подключён к компьютеру, затем проверьте блок снова.</translation>
    </message>
    <message>
        <source>%1
Проверьте питание измерительного блока и кабель между ним и портом, затем проверьте блок снова.</source>
        <translation>%1
Проверьте питание измерительного блока и кабель между ним и портом, затем проверьте блок снова.</translation>
    </message>
    <message>
        <source>Калибровка блока…</source>
        <translation>Калибровка блока…</translation>
    </message>
    <message>
        <source>Калибровку некуда сохранить: хранилище записей отключено</source>
        <translation>Калибровку некуда сохранить: хранилище записей отключено</translation>
    </message>
</context>
<context>
    <name>velmor::UnattendedPlan</name>
    <message>
        <source>serial port open again; the plan goes on</source>
        <translation>последовательный порт снова открыт; план продолжается</translation>
    </message>
    <message>
        <source>%1: plan &quot;%2&quot; on %3 stopped at step %4 of %5; supply and loads off</source>
        <translation>%1: план «%2» на %3 остановлен на шаге %4 из %5; БП и нагрузки выключены</translation>
    </message>
    <message>
        <source>no reply from the unit for %1 s; the plan run is given up</source>
        <translation>блок не отвечает %1 с; прогон плана прекращён</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) passed</source>
        <translation>
            <numerusform>пройден %n шаг</numerusform>
            <numerusform>пройдено %n шага</numerusform>
            <numerusform>пройдено %n шагов</numerusform>
        </translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: %2</source>
        <translation>шаг «%1»: %2</translation>
    </message>
    <message>
        <source>the link was lost at step %1 of %2</source>
        <translation>связь потеряна на шаге %1 из %2</translation>
    </message>
    <message>
        <source>stopped at step %1 of %2</source>
        <translation>остановлен на шаге %1 из %2</translation>
    </message>
    <message>
        <source>%1: plan &quot;%2&quot; on %3: %4</source>
        <translation>%1: план «%2» на %3: %4</translation>
    </message>
    <message>
        <source>the report was not written: %1</source>
        <translation>отчёт не записан: %1</translation>
    </message>
    <message>
        <source>report: %1</source>
        <translation>отчёт: %1</translation>
    </message>
    <message>
        <source>the bench could not test (step %1 of %2): %3</source>
        <translation>стенд не смог проверить блок (шаг %1 из %2): %3</translation>
    </message>
    <message>
        <source>the serial port did not come back within %1 s; the plan run is given up</source>
        <translation>последовательный порт не вернулся за %1 с; прогон плана прекращён</translation>
    </message>
</context>
<context>
    <name>velmor::UnattendedRun</name>
    <message>
        <source>the output cannot be written (%1); the run is stopped</source>
        <translation>вывод не удаётся записать (%1); прогон остановлен</translation>
    </message>
    <message>
        <source>serial port lost (%1); waiting up to %2 s for it</source>
        <translation>последовательный порт потерян (%1); ожидание до %2 с</translation>
    </message>
</context>
<context>
    <name>velmor::UnattendedSweep</name>
    <message>
        <source>no reply from the unit for %1 s; the sweep is given up</source>
        <translation>блок не отвечает %1 с; развёртка прекращена</translation>
    </message>
    <message>
        <source>serial port open again; the sweep goes on</source>
        <translation>последовательный порт снова открыт; развёртка продолжается</translation>
    </message>
    <message>
        <source>Saved %1 with its .csv and .txt%2</source>
        <translation>Сохранено: %1 с файлами .csv и .txt%2</translation>
    </message>
    <message>
        <source> and .pdf</source>
        <translation> и .pdf</translation>
    </message>
    <message>
        <source>interrupted; supply and loads off</source>
        <translation>прервано; БП и нагрузки выключены</translation>
    </message>
    <message>
        <source>port lost: %1; the sweep is given up</source>
        <translation>порт потерян: %1; прогон карты прекращён</translation>
    </message>
    <message>
        <source>Judged with calibration %1</source>
        <translation>Оценено с калибровкой %1</translation>
    </message>
    <message>
        <source>Judged uncalibrated</source>
        <translation>Оценено без калибровки</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>--listen takes ADDRESS:PORT, e.g. 127.0.0.1:8080 or [::1]:8080, not &quot;%1&quot;</source>
        <translation>--listen принимает АДРЕС:ПОРТ, например 127.0.0.1:8080 или [::1]:8080, а не «%1»</translation>
    </message>
    <message>
        <source>%1: cannot open the token file: %2</source>
        <translation>%1: не удаётся открыть файл токена: %2</translation>
    </message>
    <message>
        <source>%1: the token file is not a regular file</source>
        <translation>%1: файл токена — не обычный файл</translation>
    </message>
    <message>
        <source>%1: the token file must be this user&apos;s and readable by no one else (chmod 600)</source>
        <translation>%1: файл токена должен принадлежать этому пользователю и быть недоступным остальным (chmod 600)</translation>
    </message>
    <message>
        <source>%1: the token file must hold one line of 16 to 256 visible ASCII characters</source>
        <translation>%1: в файле токена должна быть одна строка из 16–256 видимых символов ASCII</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the pages, as HTML names it</comment>
        <translation>ru</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>a day is given as YYYY-MM-DD</source>
        <translation>день задаётся как ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>the page is a number from 0</source>
        <translation>страница — число от 0</translation>
    </message>
    <message>
        <source>any</source>
        <translation>любой</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Блок</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Стенд</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Вердикт</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>No records.</source>
        <translation>Записей нет.</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>вид</translation>
    </message>
    <message>
        <source>started</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>end</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>bench</source>
        <translation>стенд</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>блок</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>cells/ticks</source>
        <translation>клеток/отсчётов</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>вердикт</translation>
    </message>
    <message>
        <source>newer</source>
        <translation>новее</translation>
    </message>
    <message>
        <source>older</source>
        <translation>старее</translation>
    </message>
    <message>
        <source>Page %1.</source>
        <translation>Страница %1.</translation>
    </message>
    <message>
        <source>Test records</source>
        <translation>Записи испытаний</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record id</source>
        <translation>«%1» — не идентификатор записи</translation>
    </message>
    <message>
        <source>no record %1</source>
        <translation>нет записи %1</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>PDF report</source>
        <translation>Отчёт PDF</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Сохранена как</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Пределы</translation>
    </message>
    <message>
        <source>the cross-load map</source>
        <translation>карта кросс-нагрузки</translation>
    </message>
    <message>
        <source>Sweep %1</source>
        <translation>Развёртка %1</translation>
    </message>
    <message>
        <source>Session %1</source>
        <translation>Сеанс %1</translation>
    </message>
    <message>
        <source>the %1 file was not made</source>
        <translation>файл %1 не создан</translation>
    </message>
    <message>
        <source>sweep %1 was recorded without its map&apos;s size</source>
        <translation>развёртка %1 записана без размера карты</translation>
    </message>
    <message>
        <source>no such file of a record</source>
        <translation>у записи нет такого файла</translation>
    </message>
    <message>
        <source>no temporary folder: %1</source>
        <translation>нет временной папки: %1</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>Запрос не понят</translation>
    </message>
    <message>
        <source>Token needed</source>
        <translation>Нужен токен</translation>
    </message>
    <message>
        <source>Cannot show this</source>
        <translation>Не удаётся показать</translation>
    </message>
    <message>
        <source>%1 is not a loopback address: serving the records there needs --token-file FILE</source>
        <translation>%1 — не адрес loopback: чтобы показывать записи там, нужен --token-file ФАЙЛ</translation>
    </message>
    <message>
        <source>%1 holds no velmor-test records</source>
        <translation>в %1 нет записей velmor-test</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>не удаётся слушать %1: %2</translation>
    </message>
    <message>
        <source>serving %1 at http://%2:%3/</source>
        <translation>записи %1 доступны по адресу http://%2:%3/</translation>
    </message>
    <message>
        <source>this store is of schema version %1, which keeps no sweep&apos;s verdict in its row; the summary needs version 3</source>
        <translation>у этого хранилища версия схемы %1, в которой вердикт развёртки не хранится в её строке; сводке нужна версия 3</translation>
    </message>
    <message>
        <source>its verdict &quot;%1&quot; is none this program writes</source>
        <translation>её вердикт «%1» эта программа не записывает</translation>
    </message>
    <message>
        <source>sweep %1 is left out: %2</source>
        <translation>развёртка %1 пропущена: %2</translation>
    </message>
    <message>
        <source>No completed sweeps.</source>
        <translation>Завершённых развёрток нет.</translation>
    </message>
    <message>
        <source>model</source>
        <translation>модель</translation>
    </message>
    <message>
        <source>day (UTC)</source>
        <translation>день (UTC)</translation>
    </message>
    <message>
        <source>sweeps</source>
        <translation>развёрток</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>годных</translation>
    </message>
    <message>
        <source>units</source>
        <translation>блоков</translation>
    </message>
    <message>
        <source>first-pass yield</source>
        <translation>годных с первого раза</translation>
    </message>
    <message>
        <source>most frequent failing step</source>
        <translation>самый частый неудачный шаг</translation>
    </message>
    <message>
        <source>the unit is given as ?serial=SERIAL</source>
        <translation>блок задаётся как ?serial=НОМЕР</translation>
    </message>
    <message>
        <source>Its records in the list</source>
        <translation>Его записи в списке</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Блок %1</translation>
    </message>
    <message>
        <source>no such page</source>
        <translation>нет такой страницы</translation>
    </message>
    <message>
        <source>the records are only read here</source>
        <translation>здесь записи только читаются</translation>
    </message>
    <message>
        <source>this view needs its token: the header &quot;Authorization: Bearer TOKEN&quot;, the cookie token or ?token=TOKEN</source>
        <translation>нужен токен: заголовок «Authorization: Bearer ТОКЕН», cookie token или ?token=ТОКЕН</translation>
    </message>
    <message>
        <source>the verdict is one of pass, fail, none and incomplete, or a run&apos;s marginal, error and aborted</source>
        <translation>вердикт: pass, fail, none или incomplete, у прогона также marginal, error и aborted</translation>
    </message>
    <message>
        <source>the kind is sweep, session or run</source>
        <translation>вид записи: sweep, session или run</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>План</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Прогон %1</translation>
    </message>
    <message>
        <source>only a sweep has a map of its own</source>
        <translation>карта есть только у развёртки</translation>
    </message>
    <message>
        <source>no such file of this record</source>
        <translation>у этой записи нет такого файла</translation>
    </message>
    <message>
        <source>its outcome &quot;%1&quot; is no verdict this program writes</source>
        <translation>его исход «%1» — не вердикт, который пишет эта программа</translation>
    </message>
    <message>
        <source>run %1 is left out: %2</source>
        <translation>проверка %1 не учтена: %2</translation>
    </message>
    <message>
        <source>step %1 has volts &quot;%2&quot;, which no points step names</source>
        <translation>у шага %1 напряжение «%2»: так не называет напряжения ни один шаг points</translation>
    </message>
    <message>
        <source>the volts of run %1 are left out: %2</source>
        <translation>напряжения проверки %1 не учтены: %2</translation>
    </message>
    <message>
        <source>No completed runs.</source>
        <translation>Завершённых проверок нет.</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>проверок</translation>
    </message>
    <message>
        <source>No volts of a load point in the completed runs.</source>
        <translation>В завершённых проверках нет напряжений в точках нагрузки.</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>план</translation>
    </message>
    <message>
        <source>step</source>
        <translation>шаг</translation>
    </message>
    <message>
        <source>point</source>
        <translation>точка</translation>
    </message>
    <message>
        <source>output</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>LSL, V</source>
        <translation>НГД, В</translation>
    </message>
    <message>
        <source>USL, V</source>
        <translation>ВГД, В</translation>
    </message>
    <message>
        <source>values</source>
        <translation>значений</translation>
    </message>
    <message>
        <source>mean, V</source>
        <translation>среднее, В</translation>
    </message>
    <message>
        <source>σ, V</source>
        <translation>σ, В</translation>
    </message>
    <message>
        <source>Cpk</source>
        <translation>Cpk</translation>
    </message>
    <message>
        <source>Plan runs</source>
        <translation>Проверки по планам</translation>
    </message>
    <message>
        <source>Completed runs only. A run passed with the verdict pass or marginal (inside the limits, outside the guard band); the first-pass yield is the share of units whose first run of the group passed.</source>
        <translation>Только завершённые проверки. Проверка пройдена с вердиктом pass или marginal (в пределах допуска, но вне защитной полосы); годных с первого раза — доля блоков, чья первая проверка в группе пройдена.</translation>
    </message>
    <message>
        <source>Outputs at the reference load points</source>
        <translation>Выходы в опорных точках нагрузки</translation>
    </message>
    <message>
        <source>Sweeps</source>
        <translation>Развёртки</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>не удалось закодировать рисунок</translation>
    </message>
    <message>
        <source>the voltages over time</source>
        <translation>напряжения во времени</translation>
    </message>
    <message>
        <source>a sweep shows its map</source>
        <translation>у развёртки есть своя карта</translation>
    </message>
    <message>
        <source>the session has no readings</source>
        <translation>у сеанса нет измерений</translation>
    </message>
    <message>
        <source>the request&apos;s head is too long</source>
        <translation>заголовок запроса слишком длинный</translation>
    </message>
    <message>
        <source>the answer took longer than %1 s</source>
        <translation>ответ готовился дольше %1 с</translation>
    </message>
    <message>
        <source>Which record?</source>
        <translation>Какая запись?</translation>
    </message>
    <message>
        <source>%1 records have ids starting with %2:</source>
        <translation>Идентификаторы %1 записей начинаются с %2:</translation>
    </message>
    <message>
        <source>this is no request the view understands</source>
        <translation>этот запрос непонятен</translation>
    </message>
    <message>
        <source>the records are only read here: a request carries no body</source>
        <translation>записи здесь только читаются: у запроса нет тела</translation>
    </message>
    <message>
        <source>this view answers to %1 only</source>
        <translation>этот просмотр отвечает только на имена %1</translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>Решило</translation>
    </message>
    <message>
        <source>Key figure</source>
        <translation>Главный показатель</translation>
    </message>
    <message>
        <source>- (%1 of %2 values)</source>
        <translation>- (%1 из %2 значений)</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>среднее</translation>
    </message>
    <message>
        <source>σ</source>
        <translation>σ</translation>
    </message>
    <message>
        <source>LSL</source>
        <translation>НГД</translation>
    </message>
    <message>
        <source>USL</source>
        <translation>ВГД</translation>
    </message>
    <message>
        <source>beyond ±3σ</source>
        <translation>за ±3σ</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>First-pass yield per day</source>
        <translation>Выход с первого предъявления по дням</translation>
    </message>
    <message>
        <source>the first-pass yield per day and model</source>
        <translation>выход с первого предъявления по дням и моделям</translation>
    </message>
    <message>
        <source>Control chart: %1</source>
        <translation>Контрольная карта: %1</translation>
    </message>
    <message>
        <source>Each completed run&apos;s value in the order the runs started, against the newest run&apos;s limits, with the mean and mean ± 3σ; a value beyond ±3σ is ringed. Cpk is shown from %1 values on.</source>
        <translation>Значение каждого завершённого прогона в порядке их начала, на фоне пределов последнего прогона, со средним и среднее ± 3σ; значение за ±3σ обведено. Cpk показывается начиная с %1 значений.</translation>
    </message>
    <message>
        <source>the control chart</source>
        <translation>контрольная карта</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Графики</translation>
    </message>
    <message>
        <source>no such picture</source>
        <translation>такого рисунка нет</translation>
    </message>
    <message>
        <source>no completed runs</source>
        <translation>нет завершённых прогонов</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>нет значений</translation>
    </message>
    <message>
        <source>LSL %1</source>
        <translation>НГД %1</translation>
    </message>
    <message>
        <source>USL %1</source>
        <translation>ВГД %1</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>среднее %1</translation>
    </message>
    <message>
        <source>−3σ %1</source>
        <translation>−3σ %1</translation>
    </message>
    <message>
        <source>+3σ %1</source>
        <translation>+3σ %1</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>годен</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>на грани</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>не годен</translation>
    </message>
    <message>
        <source>error</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>aborted</source>
        <translation>прерван</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>не завершён</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>завершён</translation>
    </message>
    <message>
        <source>link-lost</source>
        <translation>связь потеряна</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>брошен</translation>
    </message>
    <message>
        <source>switched-off</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>open</source>
        <translation>открыт</translation>
    </message>
    <message>
        <source>sweep</source>
        <translation>развёртка</translation>
    </message>
    <message>
        <source>session</source>
        <translation>сеанс</translation>
    </message>
    <message>
        <source>run</source>
        <translation>прогон</translation>
    </message>
    <message>
        <source>Failures by cause</source>
        <translation>Отказы по причинам</translation>
    </message>
    <message>
        <source>Repeatability</source>
        <translation>Повторяемость</translation>
    </message>
    <message>
        <source>The measurements of these runs as CSV</source>
        <translation>Измерения этих прогонов в CSV</translation>
    </message>
    <message>
        <source>final yield</source>
        <translation>итоговый выход</translation>
    </message>
    <message>
        <source>failed and errored runs</source>
        <translation>прогоны с отказом и ошибкой</translation>
    </message>
    <message>
        <source>No failed or errored runs.</source>
        <translation>Нет прогонов с отказом или ошибкой.</translation>
    </message>
    <message>
        <source>cause</source>
        <translation>причина</translation>
    </message>
    <message>
        <source>share</source>
        <translation>доля</translation>
    </message>
    <message>
        <source>cumulative</source>
        <translation>накопленная</translation>
    </message>
    <message>
        <source>No unit was tested twice.</source>
        <translation>Ни один блок не проверялся дважды.</translation>
    </message>
    <message>
        <source>retests</source>
        <translation>повторные проверки</translation>
    </message>
    <message>
        <source>last completed run</source>
        <translation>последний завершённый прогон</translation>
    </message>
    <message>
        <source>and %1 more units tested more than once</source>
        <translation>и ещё %1 блоков, проверенных более одного раза</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Выход годных</translation>
    </message>
    <message>
        <source>Over the completed plan runs: a unit passed first when its first run passed (pass or marginal), at last when its last one did.</source>
        <translation>По завершённым прогонам планов: блок прошёл с первого раза, если годен его первый прогон (годен или на грани), в итоге — если годен последний.</translation>
    </message>
    <message>
        <source>The failed and errored runs by what decided them: the measurement that crossed its limit and where, a shutdown, a supply that did not power on, a unit gone silent.</source>
        <translation>Прогоны с отказом и ошибкой по тому, что их решило: измерение, вышедшее за предел, и где; отключение; блок питания, который не включился; замолчавший стенд.</translation>
    </message>
    <message>
        <source>Retests per unit</source>
        <translation>Повторные проверки по блокам</translation>
    </message>
    <message>
        <source>JUnit</source>
        <translation>JUnit</translation>
    </message>
    <message>
        <source>Plan file</source>
        <translation>Файл плана</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Отсчёты</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Шаги</translation>
    </message>
    <message>
        <source>One unit tested again and again on one plan: the spread of each measurement is the bench&apos;s own. %GRR = 6σ / tolerance × 100: below 10 % good, 10 to 30 % acceptable, above 30 % not acceptable.</source>
        <translation>Один блок, проверенный много раз по одному плану: разброс каждого измерения — собственный разброс стенда. %GRR = 6σ / допуск × 100: ниже 10 % хорошо, от 10 до 30 % приемлемо, выше 30 % неприемлемо.</translation>
    </message>
    <message>
        <source>%1 completed runs of unit %2 on plan %3.</source>
        <translation>Завершённых прогонов блока %2 по плану %3: %1.</translation>
    </message>
    <message>
        <source>measurement</source>
        <translation>измерение</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>tolerance</source>
        <translation>допуск</translation>
    </message>
    <message>
        <source>%GRR</source>
        <translation>%GRR</translation>
    </message>
    <message>
        <source>rating</source>
        <translation>оценка</translation>
    </message>
    <message>
        <source>No step has ended.</source>
        <translation>Ни один шаг не завершился.</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>исход</translation>
    </message>
    <message>
        <source>decided by</source>
        <translation>решило</translation>
    </message>
    <message>
        <source>key figure</source>
        <translation>главный показатель</translation>
    </message>
    <message>
        <source>judged</source>
        <translation>оценено</translation>
    </message>
    <message>
        <source>unsettled</source>
        <translation>не установилось</translation>
    </message>
    <message>
        <source>Step %1 &quot;%2&quot;</source>
        <translation>Шаг %1 «%2»</translation>
    </message>
    <message>
        <source>value</source>
        <translation>значение</translation>
    </message>
    <message>
        <source>low</source>
        <translation>нижний</translation>
    </message>
    <message>
        <source>high</source>
        <translation>верхний</translation>
    </message>
    <message>
        <source>guard low</source>
        <translation>нижний защитный</translation>
    </message>
    <message>
        <source>guard high</source>
        <translation>верхний защитный</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>задано</translation>
    </message>
    <message>
        <source>Each load point of a points step, by model, plan and step: the volts the step kept for it (the reading furthest from nominal among the point&apos;s settled readings) over the completed runs, against the profile&apos;s limits stored with them as LSL and USL. σ is the sample standard deviation; Cpk = min(USL − mean, mean − LSL) / 3σ, shown from %1 values on (&quot;-&quot; for fewer, or for σ = 0): the count beside it says how many values it rests on.</source>
        <translation>Каждая точка нагрузки шага точек по модели, плану и шагу: напряжение, сохранённое шагом для неё (отсчёт, наиболее удалённый от номинала среди установившихся отсчётов точки), по завершённым прогонам, на фоне записанных с ними пределов профиля как НГД и ВГД. σ — выборочное стандартное отклонение; Cpk = min(ВГД − среднее, среднее − НГД) / 3σ, показывается начиная с %1 значений («-» при меньшем числе или при σ = 0): число рядом говорит, на скольких значениях он основан.</translation>
    </message>
    <message>
        <source>No records of this unit.</source>
        <translation>Записей этого блока нет.</translation>
    </message>
    <message>
        <source>operator</source>
        <translation>оператор</translation>
    </message>
    <message>
        <source>figures</source>
        <translation>показатели</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>For each model, plan and output at a reference point: each bench&apos;s mean over the completed runs against the mean over all benches, in volts and in the unit&apos;s reading steps. A bench more than %1 steps apart reads differently from the others: check it before its results are trusted.</source>
        <translation>Для каждой модели, плана и выхода в опорной точке: среднее каждого стенда по завершённым прогонам против среднего по всем стендам, в вольтах и в шагах отсчёта блока. Стенд, отстоящий более чем на %1 шага, измеряет иначе, чем остальные: проверьте его, прежде чем доверять его результатам.</translation>
    </message>
    <message>
        <source>apart</source>
        <translation>расходится</translation>
    </message>
    <message>
        <source>agrees</source>
        <translation>согласуется</translation>
    </message>
    <message>
        <source>No volts at a reference point in the completed runs.</source>
        <translation>В завершённых прогонах нет напряжений в опорных точках.</translation>
    </message>
    <message>
        <source>mean of all, V</source>
        <translation>среднее по всем, В</translation>
    </message>
    <message>
        <source>its mean, V</source>
        <translation>его среднее, В</translation>
    </message>
    <message>
        <source>difference, V</source>
        <translation>разница, В</translation>
    </message>
    <message>
        <source>in steps</source>
        <translation>в шагах</translation>
    </message>
    <message>
        <source>Bench against bench</source>
        <translation>Стенд против стенда</translation>
    </message>
    <message>
        <source>Golden unit</source>
        <translation>Эталонный блок</translation>
    </message>
    <message>
        <source>drifted</source>
        <translation>ушёл</translation>
    </message>
    <message>
        <source>steady</source>
        <translation>стабилен</translation>
    </message>
    <message>
        <source>first runs&apos; mean, V</source>
        <translation>среднее первых прогонов, В</translation>
    </message>
    <message>
        <source>latest, V</source>
        <translation>последнее, В</translation>
    </message>
    <message>
        <source>latest run</source>
        <translation>последний прогон</translation>
    </message>
    <message>
        <source>moved, V</source>
        <translation>сдвиг, В</translation>
    </message>
    <message>
        <source>Golden unit %1</source>
        <translation>Эталонный блок %1</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Ячейки</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>ячеек</translation>
    </message>
    <message>
        <source>not judged: answering the all-off frame</source>
        <translation>не оценено: ответ на кадр «всё выключено»</translation>
    </message>
    <message>
        <source>not judged: before the supply was up</source>
        <translation>не оценено: до выхода блока на режим</translation>
    </message>
    <message>
        <source>not judged: just after a load jump</source>
        <translation>не оценено: сразу после скачка нагрузки</translation>
    </message>
    <message>
        <source>not judged: after a shutdown</source>
        <translation>не оценено: после отключения блока</translation>
    </message>
    <message>
        <source>inside the ±5 % band on +5 V and +12 V</source>
        <translation>в пределах ±5 % по +5 В и +12 В</translation>
    </message>
    <message>
        <source>The supply did not power on: not all three outputs within ±10 % %1 s after switch-on.</source>
        <translation>Блок не включился: не все три выхода в пределах ±10 % через %1 с после включения.</translation>
    </message>
    <message>
        <source>Worst cells</source>
        <translation>Худшие ячейки</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>from nominal, V</source>
        <translation>от номинала, В</translation>
    </message>
    <message>
        <source>from nominal, %</source>
        <translation>от номинала, %</translation>
    </message>
    <message>
        <source>class</source>
        <translation>класс</translation>
    </message>
    <message>
        <source>row</source>
        <translation>строка</translation>
    </message>
    <message>
        <source>column</source>
        <translation>столбец</translation>
    </message>
    <message>
        <source>+5 V load, A</source>
        <translation>нагрузка +5 В, А</translation>
    </message>
    <message>
        <source>+12 V load, A</source>
        <translation>нагрузка +12 В, А</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>показаний</translation>
    </message>
    <message>
        <source>not judged: answering a supply-off frame</source>
        <translation>не оценено: ответ на кадр выключенного блока</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>min, V</source>
        <translation>мин., В</translation>
    </message>
    <message>
        <source>max, V</source>
        <translation>макс., В</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>overload cuts</source>
        <translation>отключений по перегрузке</translation>
    </message>
    <message>
        <source>clamps</source>
        <translation>ограничений</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>потерь связи</translation>
    </message>
    <message>
        <source>link back</source>
        <translation>восстановлений связи</translation>
    </message>
    <message>
        <source>overload cut at</source>
        <translation>отключение по перегрузке</translation>
    </message>
    <message>
        <source>detail</source>
        <translation>подробности</translation>
    </message>
    <message>
        <source>uncertainty ±</source>
        <translation>неопределённость ±</translation>
    </message>
    <message>
        <source>Each calibration of a bench&apos;s unit against a reference meter, newest first; a bench judges with its newest.</source>
        <translation>Калибровки блока стенда по образцовому прибору, новые первыми; стенд оценивает по самой новой.</translation>
    </message>
    <message>
        <source>No calibrations.</source>
        <translation>Калибровок нет.</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>калибровка</translation>
    </message>
    <message>
        <source>made</source>
        <translation>выполнена</translation>
    </message>
    <message>
        <source>due</source>
        <translation>действует до</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>прибор</translation>
    </message>
    <message>
        <source>Calibrations</source>
        <translation>Калибровки</translation>
    </message>
    <message>
        <source>no calibration %1</source>
        <translation>нет калибровки %1</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Выполнена</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Действует до</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Свидетельство</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Точность</translation>
    </message>
    <message>
        <source>±(%1 % of reading + %2 V)</source>
        <translation>±(%1 % от показания + %2 В)</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Поправки</translation>
    </message>
    <message>
        <source>input</source>
        <translation>вход</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>коэффициент</translation>
    </message>
    <message>
        <source>offset, V</source>
        <translation>смещение, В</translation>
    </message>
    <message>
        <source>standard error, V</source>
        <translation>стандартная ошибка, В</translation>
    </message>
    <message>
        <source>uncertainty at nominal, V (k=2)</source>
        <translation>неопределённость при номинале, В (k=2)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>raw mean</source>
        <translation>среднее кодов</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>разброс</translation>
    </message>
    <message>
        <source>meter, V</source>
        <translation>прибор, В</translation>
    </message>
    <message>
        <source>residual, V</source>
        <translation>остаток, В</translation>
    </message>
    <message>
        <source>Calibration %1</source>
        <translation>Калибровка %1</translation>
    </message>
    <message>
        <source>uncalibrated</source>
        <translation>без калибровки</translation>
    </message>
    <message>
        <source> (the bench&apos;s calibration was overdue)</source>
        <translation> (калибровка стенда была просрочена)</translation>
    </message>
    <message>
        <source> (the bench had no calibration)</source>
        <translation> (у стенда не было калибровки)</translation>
    </message>
    <message>
        <source>Judged with</source>
        <translation>Оценено по</translation>
    </message>
    <message>
        <source>± %1 V, uncertainty</source>
        <translation>± %1 В, неопределённость</translation>
    </message>
    <message>
        <source>%1 steps, %2 V</source>
        <translation>%1 шага, %2 В</translation>
    </message>
    <message>
        <source>start</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>вольты</translation>
    </message>
    <message>
        <source>A known-good supply tested now and then on each bench: its latest reading at each reference point against the mean of its first %1 runs on that bench, in volts and in the unit&apos;s reading steps. A bench whose golden reading moved by more than the reading&apos;s uncertainty (where its run was judged with a calibration), else by more than %2 steps, has drifted.</source>
        <translation>Заведомо исправный блок питания, время от времени проверяемый на каждом стенде: его последнее показание в каждой опорной точке против среднего первых %1 проверок на этом стенде, в вольтах и в шагах отсчёта блока. Стенд, у которого показание эталона сдвинулось больше неопределённости показания (если проверка оценена с калибровкой), иначе более чем на %2 шага, ушёл.</translation>
    </message>
    <message>
        <source>Golden units of the models file:</source>
        <translation>Эталонные блоки из файла моделей:</translation>
    </message>
    <message>
        <source>No completed run of a golden unit with volts at a reference point.</source>
        <translation>Нет завершённых проверок эталонного блока с напряжениями в опорной точке.</translation>
    </message>
    <message>
        <source>golden unit</source>
        <translation>эталонный блок</translation>
    </message>
    <message>
        <source>bound</source>
        <translation>граница</translation>
    </message>
    <message>
        <source>Golden units</source>
        <translation>Эталонные блоки</translation>
    </message>
    <message>
        <source>Readings over time</source>
        <translation>Показания во времени</translation>
    </message>
    <message>
        <source>The models file names no golden unit: golden = [&quot;SERIAL&quot;, …] under its model names it.</source>
        <translation>Файл моделей не называет ни одного эталонного блока: его называет golden = [&quot;СЕРИЙНЫЙ_НОМЕР&quot;, …] в разделе его модели.</translation>
    </message>
    <message>
        <source>readings, V, oldest first</source>
        <translation>показания, В, от ранних к поздним</translation>
    </message>
    <message>
        <source>a kept tally is left out: %1</source>
        <translation>сохранённый итог не учтён: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no output at a load point</source>
        <translation>«%1» не называет выход в точке нагрузки</translation>
    </message>
</context>
</TS>
