<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Calibrate</name>
    <message>
        <source>A number from %1 to %2, please.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 readings: mean %2, spread %3 steps%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, at the range&apos;s end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who calibrates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its calibration certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its accuracy, % of reading [0]: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its accuracy, plus volts [0]: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit&apos;s identity (may stay empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: gain %2, offset %3 V, standard error %4 V (%5 steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  raw %1 ± %2, meter %3 V, residual %4 V (%5 steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bench&apos;s calibration cannot be read (%1); judged uncalibrated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: the bench is not calibrated (velmor-test --calibrate); readings are judged by the design&apos;s formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: the bench&apos;s calibration %1 was due %2; calibrate it again (velmor-test --calibrate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the supply off, take every load off, and connect the reference source and the meter to the unit&apos;s inputs. The supply stays off throughout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point %1 of %2: set the source on %3 to about %4 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter when it is set. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter shows, in volts: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration is refused and not kept; the bench keeps the one it had.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration %1 kept, due %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due in months [%1]: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>%1: %2 points, at least %3 are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the points span %2 % of the input&apos;s range, at least %3 % are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a point reads at an end of the unit&apos;s range (mean %2); set the source inside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a point lies %2 reading steps off the fitted line, more than one; measure it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 V</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 V</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3.3 V</translation>
    </message>
</context>
<context>
    <name>CalibrationPointRun</name>
    <message>
        <source>calibration stopped: no reply from the unit (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calibration stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationText</name>
    <message>
        <source>No calibrations.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MADE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BENCH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPERATOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>METER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made:        %1 on %2, port %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due:         %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit:        %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator:    %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter:       %1, certificate %2, accuracy ±(%3 % of reading + %4 V)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFFSET V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STD ERROR V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNCERTAINTY V (k=2, at nominal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAW MEAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPREAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>METER V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESIDUAL V</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calibrations</name>
    <message>
        <source>calibration %1: its dates cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calibration %1: a point names no input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ambiguous: %2 calibrations have ids starting with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the results store is off (--results off): a calibration must be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names calibration %1, which the store does not hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>%1 at %2 (%3)</source>
        <translation>%1 at %2 (%3)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>the supply shut down at %1 (%2)</source>
        <translation>the supply shut down at %1 (%2)</translation>
    </message>
    <message>
        <source>the supply shut down at %1</source>
        <translation>the supply shut down at %1</translation>
    </message>
    <message>
        <source>did not power on</source>
        <translation>did not power on</translation>
    </message>
    <message>
        <source>no reply from the unit for %1 s</source>
        <translation>no reply from the unit for %1 s</translation>
    </message>
    <message>
        <source>port lost: %1</source>
        <translation>port lost: %1</translation>
    </message>
    <message>
        <source>file refused: %1</source>
        <translation>file refused: %1</translation>
    </message>
</context>
<context>
    <name>HoldStep</name>
    <message>
        <source>1 level for %1</source>
        <translation>1 level for %1</translation>
    </message>
    <message>
        <source>%1 levels, %2 in all</source>
        <translation>%1 levels, %2 in all</translation>
    </message>
    <message>
        <source>, %1 times</source>
        <translation>, %1 times</translation>
    </message>
    <message>
        <source>, the supply switched off %1 between levels</source>
        <translation>, the supply switched off %1 between levels</translation>
    </message>
    <message>
        <source>a hold needs at least one level</source>
        <translation>a hold needs at least one level</translation>
    </message>
</context>
<context>
    <name>MapsFolder</name>
    <message>
        <source>Не удаётся создать папку %1 для карт</source>
        <translation>Cannot create the maps folder %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>--port and --simulate exclude each other</source>
        <translation>--port and --simulate exclude each other</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 given twice</translation>
    </message>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 needs a name</translation>
    </message>
    <message>
        <source>--%1 goes with --sweep</source>
        <translation>--%1 goes with --sweep</translation>
    </message>
    <message>
        <source>--sweep, --plan and --check-plan exclude each other</source>
        <translation>--sweep, --plan and --check-plan exclude each other</translation>
    </message>
    <message>
        <source>--%1 goes with --sweep or --plan</source>
        <translation>--%1 goes with --sweep or --plan</translation>
    </message>
    <message>
        <source>--plan needs --unit SERIAL: a plan run always names its unit</source>
        <translation>--plan needs --unit SERIAL: a plan run always names its unit</translation>
    </message>
    <message>
        <source>--station goes with no --sweep or --check-plan</source>
        <translation>--station goes with no --sweep or --check-plan</translation>
    </message>
    <message>
        <source>--calibrate goes with no --sweep, --plan, --check-plan or --station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --calibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --simulate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanProgress</name>
    <message>
        <source>%1/%2 %3 [%4] %5 elapsed %6 left  +5 V %7  +12 V %8  +3.3 V %9</source>
        <translation>%1/%2 %3 [%4] %5 elapsed %6 left  +5 V %7  +12 V %8  +3.3 V %9</translation>
    </message>
    <message>
        <source>step %1 of %2 &quot;%3&quot;: %4, %5</source>
        <translation>step %1 of %2 &quot;%3&quot;: %4, %5</translation>
    </message>
</context>
<context>
    <name>ReferenceFile</name>
    <message>
        <source>%1 must be text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than 200 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation type="unfinished">%1 must be a number</translation>
    </message>
    <message>
        <source>%1 = %2 lies outside %3..%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no points ([[point]] tables)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a point needs input = &quot;+5 V&quot;, &quot;+12 V&quot; or &quot;+3.3 V&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a point needs meter (the meter&apos;s volts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished">not a regular file</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished">cannot be read: %1</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Unit %1    Model %2    Operator %3</source>
        <translation>Unit %1    Model %2    Operator %3</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>+5 V</source>
        <translation>+5 V</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 V</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3.3 V</translation>
    </message>
    <message>
        <source>%1, V</source>
        <translation>%1, V</translation>
    </message>
    <message>
        <source>Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue</source>
        <translation>Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue</translation>
    </message>
    <message>
        <source>Shaded green: the profile&apos;s limits, darker inside the guard band. Grey: readings not judged.</source>
        <translation>Shaded green: the profile&apos;s limits, darker inside the guard band. Grey: readings not judged.</translation>
    </message>
    <message>
        <source>%1    page %2 of %3</source>
        <translation>%1    page %2 of %3</translation>
    </message>
    <message>
        <source>%1 limits: %2</source>
        <translation>%1 limits: %2</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>INCOMPLETE</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>MARGINAL</source>
        <translation>MARGINAL</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation>ABORTED</translation>
    </message>
    <message>
        <source>step %1 has %2 measurements; a report draws at most %3</source>
        <translation>step %1 has %2 measurements; a report draws at most %3</translation>
    </message>
    <message>
        <source>step %1: measurement &quot;%2&quot; holds a value or limit that is not a finite number</source>
        <translation>step %1: measurement &quot;%2&quot; holds a value or limit that is not a finite number</translation>
    </message>
    <message>
        <source>step %1: reading %2 has a load setting outside 0 to 255</source>
        <translation>step %1: reading %2 has a load setting outside 0 to 255</translation>
    </message>
    <message>
        <source>step %1: reading %2 at %3 ms is out of order or beyond 31 days</source>
        <translation>step %1: reading %2 at %3 ms is out of order or beyond 31 days</translation>
    </message>
    <message>
        <source>Profile %1: %2, %3, %4; guard band %5 points</source>
        <translation>Profile %1: %2, %3, %4; guard band %5 points</translation>
    </message>
    <message>
        <source>No verdict: the run did not end.</source>
        <translation>No verdict: the run did not end.</translation>
    </message>
    <message>
        <source>No verdict: the run did not complete (%1).</source>
        <translation>No verdict: the run did not complete (%1).</translation>
    </message>
    <message>
        <source>The worst outcome of its steps (%1).</source>
        <translation>The worst outcome of its steps (%1).</translation>
    </message>
    <message>
        <source>Plan run &quot;%1&quot;</source>
        <translation>Plan run &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>Plan %1 (%2)</source>
        <translation>Plan %1 (%2)</translation>
    </message>
    <message>
        <source>Bench %1    Port %2</source>
        <translation>Bench %1    Port %2</translation>
    </message>
    <message>
        <source>Started %1, ended %2 (%3)</source>
        <translation>Started %1, ended %2 (%3)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Run %1</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Key figure</source>
        <translation>Key figure</translation>
    </message>
    <message>
        <source>the run has %1 steps; a report draws at most %2</source>
        <translation>the run has %1 steps; a report draws at most %2</translation>
    </message>
    <message>
        <source>the run has %1 readings; a report draws at most %2</source>
        <translation>the run has %1 readings; a report draws at most %2</translation>
    </message>
    <message>
        <source>profile &quot;%1&quot; holds a tolerance that is not a finite number</source>
        <translation>profile &quot;%1&quot; holds a tolerance that is not a finite number</translation>
    </message>
    <message>
        <source>profile &quot;%1&quot; holds a guard band that is not a finite number</source>
        <translation>profile &quot;%1&quot; holds a guard band that is not a finite number</translation>
    </message>
    <message>
        <source>%1, unit %2, run %3</source>
        <translation>%1, unit %2, run %3</translation>
    </message>
    <message>
        <source>(guard %1 – %2)</source>
        <translation>(guard %1 – %2)</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3 &quot;%4&quot;</source>
        <translation>Step %1 of %2: %3 &quot;%4&quot;</translation>
    </message>
    <message>
        <source>Started %1, ended %2</source>
        <translation>Started %1, ended %2</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Asked</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>%1 load, A</source>
        <translation>%1 load, A</translation>
    </message>
    <message>
        <source>Load, W at nominal volts</source>
        <translation>Load, W at nominal volts</translation>
    </message>
    <message>
        <source>Shaded green: the window, %1 to %2</source>
        <translation>Shaded green: the window, %1 to %2</translation>
    </message>
    <message>
        <source>The supply did not trip.</source>
        <translation>The supply did not trip.</translation>
    </message>
    <message>
        <source>Red: the first reading not power-good, %1 after the step began, with the load at %2</source>
        <translation>Red: the first reading not power-good, %1 after the step began, with the load at %2</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Load points</source>
        <translation>Load points</translation>
    </message>
    <message>
        <source>Loads asked / set; volts in green pass, amber marginal, red fail.</source>
        <translation></translation>
    </message>
    <message>
        <source>%1, unit %2</source>
        <translation>%1, unit %2</translation>
    </message>
    <message>
        <source>the run has no readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (step &quot;%2&quot;)</source>
        <translation>%1 (step &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>No verdict: the bench could not test: %1.</source>
        <translation>No verdict: the bench could not test: %1.</translation>
    </message>
    <message>
        <source>Decided by: %1.</source>
        <translation>Decided by: %1.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Readings %1: judged %2, not judged %3 (%4 supply off, %5 before the supply was up, %6 after a load jump, %7 after a shutdown)</source>
        <translation>Readings %1: judged %2, not judged %3 (%4 supply off, %5 before the supply was up, %6 after a load jump, %7 after a shutdown)</translation>
    </message>
    <message>
        <source>Judged uncalibrated (the design&apos;s formulas)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged with calibration %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the bench&apos;s calibration was overdue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the bench had no calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beyond its limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beyond its limit within the uncertainty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>within the uncertainty of its limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside the guard band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear of the limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± (k=2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decided by: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunSweep</name>
    <message>
        <source>Cannot save the map in %1: no such folder</source>
        <translation>Cannot save the map in %1: no such folder</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>%1 — символическая ссылка</source>
        <translation>%1 is a symbolic link</translation>
    </message>
    <message>
        <source>на этом месте стоит не файл</source>
        <translation>something other than a file stands in its place</translation>
    </message>
</context>
<context>
    <name>SessionReport</name>
    <message>
        <source>Manual session %1</source>
        <translation>Manual session %1</translation>
    </message>
    <message>
        <source>%1    Bench %2    Port %3    %4 long, ended: %5</source>
        <translation>%1    Bench %2    Port %3    %4 long, ended: %5</translation>
    </message>
    <message>
        <source>%1, V</source>
        <translation>%1, V</translation>
    </message>
    <message>
        <source>Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue</source>
        <translation>Load settings (0 to 255): +5 V purple, +12 V orange, +3.3 V blue</translation>
    </message>
    <message>
        <source>Power, W</source>
        <translation>Power, W</translation>
    </message>
    <message>
        <source>Shaded green: ±5 % of nominal. Red lines: overload cuts. Grey: link to the unit lost.</source>
        <translation>Shaded green: ±5 % of nominal. Red lines: overload cuts. Grey: link to the unit lost.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Outside ±5 %</source>
        <translation>Outside ±5 %</translation>
    </message>
    <message>
        <source>Overload cuts: %1    Link losses: %2</source>
        <translation>Overload cuts: %1    Link losses: %2</translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 V</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 V</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3.3 V</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Figures from %1 of %2 readings; not judged: %3 supply off, %4 before the supply was up, %5 after a load jump%6</source>
        <translation>Figures from %1 of %2 readings; not judged: %3 supply off, %4 before the supply was up, %5 after a load jump%6</translation>
    </message>
    <message>
        <source>; the supply did not power on</source>
        <translation>; the supply did not power on</translation>
    </message>
</context>
<context>
    <name>SweepProgress</name>
    <message>
        <source>[%1] %2/%3  %4 elapsed  %5 left  +5 V %6  +12 V %7</source>
        <translation>[%1] %2/%3  %4 elapsed  %5 left  +5 V %6  +12 V %7</translation>
    </message>
    <message>
        <source>row %1 done: %2/%3 cells, %4 elapsed, %5 left, +5 V %6 V, +12 V %7 V</source>
        <translation>row %1 done: %2/%3 cells, %4 elapsed, %5 left, +5 V %6 V, +12 V %7 V</translation>
    </message>
    <message>
        <source>%1 of %2 not judged</source>
        <translation>%1 of %2 not judged</translation>
    </message>
    <message>
        <source>%1: %2 of %3 judged cells inside the ATX ±5 % band (%4)</source>
        <translation>%1: %2 of %3 judged cells inside the ATX ±5 % band (%4)</translation>
    </message>
    <message>
        <source>%1: the supply did not power on (%2)</source>
        <translation>%1: the supply did not power on (%2)</translation>
    </message>
    <message>
        <source>%1: no reading was judged (%2)</source>
        <translation>%1: no reading was judged (%2)</translation>
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
        <translation>under 1 %</translation>
    </message>
    <message>
        <source>1 to 2 %</source>
        <translation>1 to 2 %</translation>
    </message>
    <message>
        <source>2 to 3 %</source>
        <translation>2 to 3 %</translation>
    </message>
    <message>
        <source>3 to 4 %</source>
        <translation>3 to 4 %</translation>
    </message>
    <message>
        <source>4 to 5 %</source>
        <translation>4 to 5 %</translation>
    </message>
    <message>
        <source>5 to 6 %</source>
        <translation>5 to 6 %</translation>
    </message>
    <message>
        <source>6 % and more</source>
        <translation>6 % and more</translation>
    </message>
    <message>
        <source>Cross-load test &quot;%1&quot;</source>
        <translation>Cross-load test &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1    Bench %2    Port %3</source>
        <translation>%1    Bench %2    Port %3</translation>
    </message>
    <message>
        <source>%1 W bound</source>
        <translation>%1 W bound</translation>
    </message>
    <message>
        <source>+12 V current, A</source>
        <translation>+12 V current, A</translation>
    </message>
    <message>
        <source>+5 V current, A</source>
        <translation>+5 V current, A</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>%1 W power bound</source>
        <translation>%1 W power bound</translation>
    </message>
    <message>
        <source>Worst %1: </source>
        <translation>Worst %1: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 V, %2 V (%3 %) at +5 V %4 A, +12 V %5 A (row %6, column %7)</source>
        <translation>%1 V, %2 V (%3 %) at +5 V %4 A, +12 V %5 A (row %6, column %7)</translation>
    </message>
    <message>
        <source>no judged cells</source>
        <translation>no judged cells</translation>
    </message>
    <message>
        <source>%1 of %2 judged cells inside the ATX ±5 % band on both +5 V and +12 V, %3 %</source>
        <translation>%1 of %2 judged cells inside the ATX ±5 % band on both +5 V and +12 V, %3 %</translation>
    </message>
    <message>
        <source>Limits: LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3 (%4 W)</source>
        <translation>Limits: LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3 (%4 W)</translation>
    </message>
    <message>
        <source>+3.3 V seen: none</source>
        <translation>+3.3 V seen: none</translation>
    </message>
    <message>
        <source>+3.3 V seen: %1 V to %2 V</source>
        <translation>+3.3 V seen: %1 V to %2 V</translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 V</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 V</translation>
    </message>
    <message>
        <source>the supply did not power on: not all three outputs within ±10 % %1 s after switch-on</source>
        <translation>the supply did not power on: not all three outputs within ±10 % %1 s after switch-on</translation>
    </message>
    <message>
        <source>On the map but not judged: %1 answering the all-off frame, %2 read before the supply was up, %3 just after a load jump (a row wrap), %4 after a shutdown.</source>
        <translation>On the map but not judged: %1 answering the all-off frame, %2 read before the supply was up, %3 just after a load jump (a row wrap), %4 after a shutdown.</translation>
    </message>
</context>
<context>
    <name>SweepRequest</name>
    <message>
        <source>--limits takes three numbers L1,L2,P, not &quot;%1&quot;</source>
        <translation>--limits takes three numbers L1,L2,P, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--limits: %1 &quot;%2&quot; is not a whole number from 0 to 255</source>
        <translation>--limits: %1 &quot;%2&quot; is not a whole number from 0 to 255</translation>
    </message>
    <message>
        <source>--link-timeout: &quot;%1&quot; is not a whole number of seconds from 1 to 86400</source>
        <translation>--link-timeout: &quot;%1&quot; is not a whole number of seconds from 1 to 86400</translation>
    </message>
    <message>
        <source>--limits %1: that sweep paints %2 cells and could judge none of them, even of a perfect supply (the first answers the all-off frame, the next is read as the supply comes up, the second of a row just after the load jump of its wrap)</source>
        <translation>--limits %1: that sweep paints %2 cells and could judge none of them, even of a perfect supply (the first answers the all-off frame, the next is read as the supply comes up, the second of a row just after the load jump of its wrap)</translation>
    </message>
</context>
<context>
    <name>SweepStep</name>
    <message>
        <source>cross-load map, LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3, cells: %4</source>
        <translation>cross-load map, LoadLimit1 %1, LoadLimit2 %2, PowerLimit %3, cells: %4</translation>
    </message>
    <message>
        <source>%1, %2 s each</source>
        <translation>%1, %2 s each</translation>
    </message>
    <message>
        <source>these limits give a map without cells</source>
        <translation>these limits give a map without cells</translation>
    </message>
    <message>
        <source>the map&apos;s heaviest cell draws %1 W, above the plan&apos;s power bound of %2 W</source>
        <translation>the map&apos;s heaviest cell draws %1 W, above the plan&apos;s power bound of %2 W</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>unknown kind of record %1</source>
        <translation>unknown kind of record %1</translation>
    </message>
</context>
<context>
    <name>TripStep</name>
    <message>
        <source>over-power trip</source>
        <translation>over-power trip</translation>
    </message>
    <message>
        <source>over-current trip on %1</source>
        <translation>over-current trip on %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3 by %4 %3 every %5 s up to %6 %3, window %7..%8 %</source>
        <translation>%1 from %2 %3 by %4 %3 every %5 s up to %6 %3, window %7..%8 %</translation>
    </message>
    <message>
        <source>output is &quot;all&quot;, &quot;5&quot;, &quot;12&quot; or &quot;33&quot;</source>
        <translation>output is &quot;all&quot;, &quot;5&quot;, &quot;12&quot; or &quot;33&quot;</translation>
    </message>
    <message>
        <source>the step adds no power</source>
        <translation>the step adds no power</translation>
    </message>
    <message>
        <source>the step adds nothing to %1</source>
        <translation>the step adds nothing to %1</translation>
    </message>
    <message>
        <source>the end (%1 %2) is below the start (%3 %2)</source>
        <translation>the end (%1 %2) is below the start (%3 %2)</translation>
    </message>
    <message>
        <source>the step is too small: more than %1 levels up to the end</source>
        <translation>the step is too small: more than %1 levels up to the end</translation>
    </message>
    <message>
        <source>the label rates nothing the window could be a share of</source>
        <translation>the label rates nothing the window could be a share of</translation>
    </message>
    <message>
        <source>the ramp passes the %1 full scale (%2 A)</source>
        <translation>the ramp passes the %1 full scale (%2 A)</translation>
    </message>
    <message>
        <source>the ramp&apos;s last load draws %1 W, above the plan&apos;s power bound of %2 W</source>
        <translation>the ramp&apos;s last load draws %1 W, above the plan&apos;s power bound of %2 W</translation>
    </message>
</context>
<context>
    <name>UnitOptions</name>
    <message>
        <source>a serial number</source>
        <translation>a serial number</translation>
    </message>
    <message>
        <source>a model name</source>
        <translation>a model name</translation>
    </message>
    <message>
        <source>an operator&apos;s name</source>
        <translation>an operator&apos;s name</translation>
    </message>
    <message>
        <source>%1 is 1 to %2 printable characters</source>
        <translation>%1 is 1 to %2 printable characters</translation>
    </message>
    <message>
        <source>%1; this one has the unprintable character U+%2 at character %3</source>
        <translation>%1; this one has the unprintable character U+%2 at character %3</translation>
    </message>
    <message>
        <source>%1; this one is empty</source>
        <translation>%1; this one is empty</translation>
    </message>
    <message>
        <source>%1; this one has %2 characters</source>
        <translation>%1; this one has %2 characters</translation>
    </message>
    <message>
        <source>%1: not UTF-8 text</source>
        <translation>%1: not UTF-8 text</translation>
    </message>
    <message>
        <source>%1, line %2 (%3=): %4</source>
        <translation>%1, line %2 (%3=): %4</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>PASS</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>NO VERDICT</source>
        <translation>NO VERDICT</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>INCOMPLETE</translation>
    </message>
    <message>
        <source>the supply shut down at row %1, column %2 (+5 V %3 A, +12 V %4 A)</source>
        <translation>the supply shut down at row %1, column %2 (+5 V %3 A, +12 V %4 A)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Имитатор блока</source>
        <translation>Simulated unit</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>(1 record)
</source>
        <translation>(1 record)
</translation>
    </message>
    <message>
        <source>(%1 records)
</source>
        <translation>(%1 records)
</translation>
    </message>
    <message>
        <source>Sweep %1
</source>
        <translation>Sweep %1
</translation>
    </message>
    <message>
        <source>Started %1, ended %2 (%3)
</source>
        <translation>Started %1, ended %2 (%3)
</translation>
    </message>
    <message>
        <source>Bench %1, port %2
</source>
        <translation>Bench %1, port %2
</translation>
    </message>
    <message>
        <source>Saved as &quot;%1&quot;: %2, %3, %4
</source>
        <translation>Saved as &quot;%1&quot;: %2, %3, %4
</translation>
    </message>
    <message>
        <source>Session %1
</source>
        <translation>Session %1
</translation>
    </message>
    <message>
        <source>output</source>
        <translation>output</translation>
    </message>
    <message>
        <source>min V</source>
        <translation>min V</translation>
    </message>
    <message>
        <source>max V</source>
        <translation>max V</translation>
    </message>
    <message>
        <source>mean V</source>
        <translation>mean V</translation>
    </message>
    <message>
        <source>Overload cuts: %1
</source>
        <translation>Overload cuts: %1
</translation>
    </message>
    <message>
        <source>Clamps: %1, link lost: %2, link back: %3
</source>
        <translation>Clamps: %1, link lost: %2, link back: %3
</translation>
    </message>
    <message>
        <source>sweep %1 was recorded without its map&apos;s size</source>
        <translation>sweep %1 was recorded without its map&apos;s size</translation>
    </message>
    <message>
        <source>the sweeps ran with different limits; only sweeps of the same limits compare</source>
        <translation>the sweeps ran with different limits; only sweeps of the same limits compare</translation>
    </message>
    <message>
        <source>Cannot save %1: cannot encode the image</source>
        <translation>Cannot save %1: cannot encode the image</translation>
    </message>
    <message>
        <source>Verdict: %1 before, %2 after
</source>
        <translation>Verdict: %1 before, %2 after
</translation>
    </message>
    <message>
        <source>  row %1, column %2: class %3 -&gt; %4 (+5 V %5 -&gt; %6 V, +12 V %7 -&gt; %8 V)
</source>
        <translation>  row %1, column %2: class %3 -&gt; %4 (+5 V %5 -&gt; %6 V, +12 V %7 -&gt; %8 V)
</translation>
    </message>
    <message>
        <source>recording is off: there are no records to read</source>
        <translation>recording is off: there are no records to read</translation>
    </message>
    <message>
        <source>%1: no records yet</source>
        <translation>%1: no records yet</translation>
    </message>
    <message>
        <source>--since takes a date as YYYY-MM-DD</source>
        <translation>--since takes a date as YYYY-MM-DD</translation>
    </message>
    <message>
        <source>compare takes two sweeps</source>
        <translation>compare takes two sweeps</translation>
    </message>
    <message>
        <source> — записи ждут доставки</source>
        <translation>: records are waiting for delivery</translation>
    </message>
    <message>
        <source>The results database %1 has schema version %2, newer than this program knows (%3); it is left as it is. Use a newer velmor-test or another database.</source>
        <translation>The results database %1 has schema version %2, newer than this program knows (%3); it is left as it is. Use a newer velmor-test or another database.</translation>
    </message>
    <message>
        <source>The SQLite path in &quot;%1&quot; must be absolute</source>
        <translation>The SQLite path in &quot;%1&quot; must be absolute</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a results URL: use postgresql://user@host:port/database, sqlite:/path/file.sqlite or off</source>
        <translation>&quot;%1&quot; is not a results URL: use postgresql://user@host:port/database, sqlite:/path/file.sqlite or off</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no server or no database: use postgresql://user@host:port/database</source>
        <translation>&quot;%1&quot; names no server or no database: use postgresql://user@host:port/database</translation>
    </message>
    <message>
        <source>%1: a symbolic link stands in the place of the results database; it is not followed</source>
        <translation>%1: a symbolic link stands in the place of the results database; it is not followed</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: cannot create the folder</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: give at least 4 characters of the id</source>
        <translation>&quot;%1&quot;: give at least 4 characters of the id</translation>
    </message>
    <message>
        <source>no record has an id starting with &quot;%1&quot;</source>
        <translation>no record has an id starting with &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ambiguous: %2 records have ids starting with it; give more characters</source>
        <translation>&quot;%1&quot; is ambiguous: %2 records have ids starting with it; give more characters</translation>
    </message>
    <message>
        <source>no sweep %1</source>
        <translation>no sweep %1</translation>
    </message>
    <message>
        <source>no session %1</source>
        <translation>no session %1</translation>
    </message>
    <message>
        <source>sweep %1 is saved as &quot;%2&quot;, which holds control characters and cannot name a file; nothing is written</source>
        <translation>sweep %1 is saved as &quot;%2&quot;, which holds control characters and cannot name a file; nothing is written</translation>
    </message>
    <message>
        <source>Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 before the supply was up, %5 just after a load jump
</source>
        <translation>Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 before the supply was up, %5 just after a load jump
</translation>
    </message>
    <message>
        <source>The supply did not power on: not all three outputs within ±10 % %1 s after switch-on
</source>
        <translation>The supply did not power on: not all three outputs within ±10 % %1 s after switch-on
</translation>
    </message>
    <message>
        <source>%1 judged cells in both sweeps, %2 changed class: %3 within one step of the reading (1 LSB of b2 and b3, the unit&apos;s resolution), %4 by more
</source>
        <translation>%1 judged cells in both sweeps, %2 changed class: %3 within one step of the reading (1 LSB of b2 and b3, the unit&apos;s resolution), %4 by more
</translation>
    </message>
    <message>
        <source>Difference map: %1 (green: same class; pale green: moved within one step of the reading; yellow and warmer: 1, 2, ... classes moved by more)
</source>
        <translation>Difference map: %1 (green: same class; pale green: moved within one step of the reading; yellow and warmer: 1, 2, ... classes moved by more)
</translation>
    </message>
    <message>
        <source>limits %1,%2,%3, %4 cells, %5 inside</source>
        <translation>limits %1,%2,%3, %4 cells, %5 inside</translation>
    </message>
    <message>
        <source>%1 ticks, lowest +12 V %2</source>
        <translation>%1 ticks, lowest +12 V %2</translation>
    </message>
    <message>
        <source>no records of this unit
</source>
        <translation>no records of this unit
</translation>
    </message>
    <message>
        <source>%1 holds no velmor-test records</source>
        <translation>%1 holds no velmor-test records</translation>
    </message>
    <message>
        <source>%1 has schema version %2 of an older velmor-test; it is read as it is. velmor-test brings it up to date (version %3) the next time it records into it.</source>
        <translation>%1 has schema version %2 of an older velmor-test; it is read as it is. velmor-test brings it up to date (version %3) the next time it records into it.</translation>
    </message>
    <message>
        <source>%1: cannot create the folder for the journal of test records</source>
        <translation>%1: cannot create the folder for the journal of test records</translation>
    </message>
    <message>
        <source>the lock file %1 of the journal cannot be made: the disk holding %2 is full; free some room there, or run with --results off</source>
        <translation>the lock file %1 of the journal cannot be made: the disk holding %2 is full; free some room there, or run with --results off</translation>
    </message>
    <message>
        <source>the lock file %1 of the journal cannot be made; run with --results off to go on without test records</source>
        <translation>the lock file %1 of the journal cannot be made; run with --results off to go on without test records</translation>
    </message>
    <message>
        <source>field %1 is cut short</source>
        <translation>field %1 is cut short</translation>
    </message>
    <message>
        <source>it holds %1 of its %2 fields</source>
        <translation>it holds %1 of its %2 fields</translation>
    </message>
    <message>
        <source>the entry is empty</source>
        <translation>the entry is empty</translation>
    </message>
    <message>
        <source>its header is cut short</source>
        <translation>its header is cut short</translation>
    </message>
    <message>
        <source>its layout %1 is newer than this program reads (%2)</source>
        <translation>its layout %1 is newer than this program reads (%2)</translation>
    </message>
    <message>
        <source>its header gives %1 bytes of fields, it holds %2</source>
        <translation>its header gives %1 bytes of fields, it holds %2</translation>
    </message>
    <message>
        <source>repeat test: %1 passed this sweep (limits %2,%3,%4) on %5, record %6</source>
        <translation>repeat test: %1 passed this sweep (limits %2,%3,%4) on %5, record %6</translation>
    </message>
    <message>
        <source>the disk holding %1 is full: %2</source>
        <translation>the disk holding %1 is full: %2</translation>
    </message>
    <message>
        <source>%1 is the journal of the store %2, not of %3</source>
        <translation>%1 is the journal of the store %2, not of %3</translation>
    </message>
    <message>
        <source>a journal entry cannot be read (%1)</source>
        <translation>a journal entry cannot be read (%1)</translation>
    </message>
    <message>
        <source>%1: cannot create the file: %2</source>
        <translation>%1: cannot create the file: %2</translation>
    </message>
    <message>
        <source>%1 = %2 is not an integer</source>
        <translation>%1 = %2 is not an integer</translation>
    </message>
    <message>
        <source>%1 = %2, outside %3..%4</source>
        <translation>%1 = %2, outside %3..%4</translation>
    </message>
    <message>
        <source>id %1 is not one the bench makes</source>
        <translation>id %1 is not one the bench makes</translation>
    </message>
    <message>
        <source>%1 = %2 is not a time the bench writes</source>
        <translation>%1 = %2 is not a time the bench writes</translation>
    </message>
    <message>
        <source>end state %1 is not one the bench writes</source>
        <translation>end state %1 is not one the bench writes</translation>
    </message>
    <message>
        <source>%1 %2 is refused: %3 (not a value the bench writes; the record is not read)</source>
        <translation>%1 %2 is refused: %3 (not a value the bench writes; the record is not read)</translation>
    </message>
    <message>
        <source>it ended (%1) before it started (%2)</source>
        <translation>it ended (%1) before it started (%2)</translation>
    </message>
    <message>
        <source>it has an end time without an end state, or the other way round</source>
        <translation>it has an end time without an end state, or the other way round</translation>
    </message>
    <message>
        <source>it has more than %1 cells</source>
        <translation>it has more than %1 cells</translation>
    </message>
    <message>
        <source>its cells are numbered with a gap (%1 where %2 belongs)</source>
        <translation>its cells are numbered with a gap (%1 where %2 belongs)</translation>
    </message>
    <message>
        <source>painted at %1, out of order or outside the sweep&apos;s times</source>
        <translation>painted at %1, out of order or outside the sweep&apos;s times</translation>
    </message>
    <message>
        <source>cell %1: %2</source>
        <translation>cell %1: %2</translation>
    </message>
    <message>
        <source>its readings are numbered with a gap (%1 where %2 belongs)</source>
        <translation>its readings are numbered with a gap (%1 where %2 belongs)</translation>
    </message>
    <message>
        <source>it was read at %1, out of order or outside the session&apos;s times</source>
        <translation>it was read at %1, out of order or outside the session&apos;s times</translation>
    </message>
    <message>
        <source>reading %1: %2</source>
        <translation>reading %1: %2</translation>
    </message>
    <message>
        <source>its events are numbered with a gap</source>
        <translation>its events are numbered with a gap</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is not one the bench writes</source>
        <translation>kind &quot;%1&quot; is not one the bench writes</translation>
    </message>
    <message>
        <source>it happened at %1, outside the session&apos;s times</source>
        <translation>it happened at %1, outside the session&apos;s times</translation>
    </message>
    <message>
        <source>event %1: %2</source>
        <translation>event %1: %2</translation>
    </message>
    <message>
        <source>verdict &quot;%1&quot; is not one the bench writes</source>
        <translation>verdict &quot;%1&quot; is not one the bench writes</translation>
    </message>
    <message>
        <source>sweep</source>
        <translation>sweep</translation>
    </message>
    <message>
        <source>session</source>
        <translation>session</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no id: an id is up to 36 hex digits and dashes</source>
        <translation>&quot;%1&quot; is no id: an id is up to 36 hex digits and dashes</translation>
    </message>
    <message>
        <source>The results URL holds a password, which every user of this machine could read in the process list: leave it out and put it in ~/.pgpass (a line host:port:database:user:password, mode 0600) or in the environment variable PGPASSWORD</source>
        <translation>The results URL holds a password, which every user of this machine could read in the process list: leave it out and put it in ~/.pgpass (a line host:port:database:user:password, mode 0600) or in the environment variable PGPASSWORD</translation>
    </message>
    <message>
        <source>The results URL&apos;s parameter &quot;%1&quot; is not one this program passes to PostgreSQL; it passes host, %2</source>
        <translation>The results URL&apos;s parameter &quot;%1&quot; is not one this program passes to PostgreSQL; it passes host, %2</translation>
    </message>
    <message>
        <source>The results URL gives its parameter &quot;%1&quot; twice</source>
        <translation>The results URL gives its parameter &quot;%1&quot; twice</translation>
    </message>
    <message>
        <source>The results URL&apos;s parameter &quot;%1&quot; holds a &apos;;&apos; or a control character</source>
        <translation>The results URL&apos;s parameter &quot;%1&quot; holds a &apos;;&apos; or a control character</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot;; the commands are %2</source>
        <translation>no command &quot;%1&quot;; the commands are %2</translation>
    </message>
    <message>
        <source>ids after %1: %2 given, %3 wanted</source>
        <translation>ids after %1: %2 given, %3 wanted</translation>
    </message>
    <message>
        <source>export needs --to DIR, the folder to write into</source>
        <translation>export needs --to DIR, the folder to write into</translation>
    </message>
    <message>
        <source>--verdict takes pass, marginal, fail, none, incomplete, error or aborted</source>
        <translation>--verdict takes pass, marginal, fail, none, incomplete, error or aborted</translation>
    </message>
    <message>
        <source>--kind takes sweep, session or run</source>
        <translation>--kind takes sweep, session or run</translation>
    </message>
    <message>
        <source>--format goes with export and takes json, junit or csv</source>
        <translation>--format goes with export and takes json, junit or csv</translation>
    </message>
    <message>
        <source>--format is for plan runs; a sweep or session exports as it is</source>
        <translation>--format is for plan runs; a sweep or session exports as it is</translation>
    </message>
    <message>
        <source>%1 = %2 %3 (limits %4..%5, guard %6..%7): %8</source>
        <translation>%1 = %2 %3 (limits %4..%5, guard %6..%7): %8</translation>
    </message>
    <message>
        <source>Run %1
</source>
        <translation>Run %1
</translation>
    </message>
    <message>
        <source>Plan &quot;%1&quot; (%2), profile %3
</source>
        <translation>Plan &quot;%1&quot; (%2), profile %3
</translation>
    </message>
    <message>
        <source>Outcome: none yet, the run is open
</source>
        <translation>Outcome: none yet, the run is open
</translation>
    </message>
    <message>
        <source>Outcome: %1%2
</source>
        <translation>Outcome: %1%2
</translation>
    </message>
    <message>
        <source>, failing step &quot;%1&quot;</source>
        <translation>, failing step &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Key figure: %1
</source>
        <translation>Key figure: %1
</translation>
    </message>
    <message>
        <source>step</source>
        <translation>step</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>outcome</translation>
    </message>
    <message>
        <source>judged</source>
        <translation>judged</translation>
    </message>
    <message>
        <source>unsettled</source>
        <translation>unsettled</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>key figure</source>
        <translation>key figure</translation>
    </message>
    <message>
        <source>Step %1 &quot;%2&quot;:
</source>
        <translation>Step %1 &quot;%2&quot;:
</translation>
    </message>
    <message>
        <source>measurement</source>
        <translation>measurement</translation>
    </message>
    <message>
        <source>value</source>
        <translation>value</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>guard low</source>
        <translation>guard low</translation>
    </message>
    <message>
        <source>guard high</source>
        <translation>guard high</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>asked</translation>
    </message>
    <message>
        <source>plan %1: %2</source>
        <translation>plan %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 is not an outcome the bench writes</source>
        <translation>%1 %2 is not an outcome the bench writes</translation>
    </message>
    <message>
        <source>it has an outcome without an end, or an end without an outcome</source>
        <translation>it has an outcome without an end, or an end without an outcome</translation>
    </message>
    <message>
        <source>outcome %1 does not go with end state %2</source>
        <translation>outcome %1 does not go with end state %2</translation>
    </message>
    <message>
        <source>its plan text is longer than a plan file may be</source>
        <translation>its plan text is longer than a plan file may be</translation>
    </message>
    <message>
        <source>its steps are numbered with a gap (%1 where %2 belongs)</source>
        <translation>its steps are numbered with a gap (%1 where %2 belongs)</translation>
    </message>
    <message>
        <source>kind %1 is not one the bench writes</source>
        <translation>kind %1 is not one the bench writes</translation>
    </message>
    <message>
        <source>it ran from %1 to %2, out of order or outside the run&apos;s times</source>
        <translation>it ran from %1 to %2, out of order or outside the run&apos;s times</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>step %1: %2</translation>
    </message>
    <message>
        <source>it belongs to no step of the run</source>
        <translation>it belongs to no step of the run</translation>
    </message>
    <message>
        <source>the step&apos;s measurements are numbered with a gap (%1 where %2 belongs)</source>
        <translation>the step&apos;s measurements are numbered with a gap (%1 where %2 belongs)</translation>
    </message>
    <message>
        <source>measurement %1: %2</source>
        <translation>measurement %1: %2</translation>
    </message>
    <message>
        <source>settling %1 is not one the bench writes</source>
        <translation>settling %1 is not one the bench writes</translation>
    </message>
    <message>
        <source>it is judged, yet answers a frame with the supply switched off</source>
        <translation>it is judged, yet answers a frame with the supply switched off</translation>
    </message>
    <message>
        <source>it belongs to step %1, after a reading of step %2</source>
        <translation>it belongs to step %1, after a reading of step %2</translation>
    </message>
    <message>
        <source>it was read at %1, out of order or outside the run&apos;s times</source>
        <translation>it was read at %1, out of order or outside the run&apos;s times</translation>
    </message>
    <message>
        <source>step %1: it counts %2 judged and %3 unsettled readings of the %4 it was given</source>
        <translation>step %1: it counts %2 judged and %3 unsettled readings of the %4 it was given</translation>
    </message>
    <message>
        <source>run</source>
        <translation>run</translation>
    </message>
    <message>
        <source>no run %1</source>
        <translation>no run %1</translation>
    </message>
    <message>
        <source>run %1: its profile &quot;%2&quot; is not a named one and its plan text does not read</source>
        <translation>run %1: its profile &quot;%2&quot; is not a named one and its plan text does not read</translation>
    </message>
    <message>
        <source>repeat test: %1 passed this plan (&quot;%2&quot;) on %3, record %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty: its entries are gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be renamed to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use: a velmor-test delivers it now (%2 is held)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n test records of %1 are in %2</source>
        <translation>
            <numerusform>%n test record of %1 is in %2</numerusform>
            <numerusform>%n test records of %1 are in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no such journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its checksum fails: the disk changed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the journal of %2 already: its records go there whenever velmor-test records into it</source>
        <translation></translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decided by: %1
</source>
        <translation>Decided by: %1
</translation>
    </message>
    <message>
        <source>Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 before the supply was up, %5 just after a load jump, %6 after a shutdown
</source>
        <translation>Readings: %1, judged %2; not judged: %3 answering a supply-off frame, %4 before the supply was up, %5 just after a load jump, %6 after a shutdown
</translation>
    </message>
    <message>
        <source>The results database %1 has schema version %2, which no velmor-test ever wrote; it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--limit and --all: give one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--limit takes a number of records, 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another velmor-test of this user is recording into %1 (%2 is held): the test records of this one cannot be kept and are lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 test records are lost: another velmor-test held the journal (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--measurements goes with export --format csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeatability takes --unit SERIAL and --plan NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outcome &quot;%1&quot; is not one the bench writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>measurement of run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no finding stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in step %1, no finding stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished">%1 at %2</translation>
    </message>
    <message>
        <source>%1 at %2 low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2 high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shut down at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>did not power on</source>
        <translation type="unfinished">did not power on</translation>
    </message>
    <message>
        <source>bench: no reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its outcome &quot;%1&quot; is none the bench writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its outcome &quot;%1&quot; does not go with its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its outcome is no verdict the bench writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acceptable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not acceptable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no completed run of this unit on this plan
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sigma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%GRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 completed runs; %GRR = 6 sigma / tolerance x 100: below 10 % good, 10 to 30 % acceptable, above 30 % not acceptable
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± (k=2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decided by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bench: port lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bench: file refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settling &quot;%1&quot; is not one the bench writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its times %1 to %2 are out of order or outside the run&apos;s times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the envelope&apos;s slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the envelope stands for %1 readings of the run&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--limit and --all go with list and history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more: --all lists every one, --limit N the newest N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 earlier: --all shows every one, --limit N the newest N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the newest record; %1)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the newest %1 records; %2)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Files</name>
    <message>
        <source>Не удаётся сохранить %1: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>не удаётся закодировать изображение</source>
        <translation>cannot encode the image</translation>
    </message>
</context>
<context>
    <name>ui::Operator</name>
    <message>
        <source> — порт недоступен</source>
        <translation>: the port is unavailable</translation>
    </message>
</context>
<context>
    <name>velmor::AutomaticPlanRun</name>
    <message>
        <source>test plan &quot;%1&quot; on %2 under way</source>
        <translation type="unfinished">test plan &quot;%1&quot; on %2 under way</translation>
    </message>
</context>
<context>
    <name>velmor::AutomaticRun</name>
    <message>
        <source>cannot keep the machine from sleeping (%1); the run goes on all the same</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmor::AutomaticSweep</name>
    <message>
        <source>cross-load sweep &quot;%1&quot; under way</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmor::CalibrationDialog</name>
    <message>
        <source>Калибровка блока стенда</source>
        <translation>Calibrating the bench&apos;s unit</translation>
    </message>
    <message>
        <source>Выключите проверяемый блок питания и снимите всю нагрузку: во время калибровки он остаётся выключенным. Подключите к входам измерительного блока регулируемый образцовый источник и образцовый вольтметр.</source>
        <translation>Switch the supply under test off and take every load off: it stays off throughout the calibration. Connect an adjustable reference source and the reference meter to the unit&apos;s inputs.</translation>
    </message>
    <message>
        <source>Калибрует:</source>
        <translation>Who calibrates:</translation>
    </message>
    <message>
        <source>Образцовый вольтметр:</source>
        <translation>Reference meter:</translation>
    </message>
    <message>
        <source>Его свидетельство о поверке:</source>
        <translation>Its calibration certificate:</translation>
    </message>
    <message>
        <source>Его погрешность, % от показания:</source>
        <translation>Its accuracy, % of reading:</translation>
    </message>
    <message>
        <source>Его погрешность, плюс вольт:</source>
        <translation>Its accuracy, plus volts:</translation>
    </message>
    <message>
        <source>Измерительный блок (можно не указывать):</source>
        <translation>The unit&apos;s identity (may stay empty):</translation>
    </message>
    <message>
        <source>Срок действия, месяцев:</source>
        <translation>Due in months:</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Измерить</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Вольтметр показывает, В:</source>
        <translation>The meter shows, V:</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Take</translation>
    </message>
    <message>
        <source>Сохранить калибровку</source>
        <translation>Keep the calibration</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Укажите, кто калибрует, образцовый вольтметр и его свидетельство.</source>
        <translation>Give who calibrates, the reference meter and its certificate.</translation>
    </message>
    <message>
        <source>Имена и номера — одной строкой, без управляющих знаков.</source>
        <translation>Names and numbers on one line, without control characters.</translation>
    </message>
    <message>
        <source>Погрешность в процентах — число от 0 до 10.</source>
        <translation>The accuracy in percent is a number from 0 to 10.</translation>
    </message>
    <message>
        <source>Погрешность в вольтах — число от 0 до 1.</source>
        <translation>The accuracy in volts is a number from 0 to 1.</translation>
    </message>
    <message>
        <source>Точка %1 из %2: установите образцовый источник на входе %3 около %4 В, затем нажмите «Измерить».</source>
        <translation>Point %1 of %2: set the reference source on %3 to about %4 V, then press Measure.</translation>
    </message>
    <message>
        <source>%1 показаний: среднее %2, разброс %3 шага%4</source>
        <translation>%1 readings: mean %2, spread %3 steps%4</translation>
    </message>
    <message>
        <source>, на краю диапазона</source>
        <translation>, at the range&apos;s end</translation>
    </message>
    <message>
        <source>Показания усредняются…</source>
        <translation>Averaging the readings…</translation>
    </message>
    <message>
        <source>Показание вольтметра — число от 0 до %1 В; введите его ещё раз.</source>
        <translation>The meter&apos;s reading is a number from 0 to %1 V; type it again.</translation>
    </message>
    <message>
        <source>%1: усиление %2, смещение %3 В, стандартная ошибка %4 В (%5 шага)</source>
        <translation>%1: gain %2, offset %3 V, standard error %4 V (%5 steps)</translation>
    </message>
    <message>
        <source>  код %1 ± %2, вольтметр %3 В, остаток %4 В (%5 шага)</source>
        <translation>  raw %1 ± %2, meter %3 V, residual %4 V (%5 steps)</translation>
    </message>
    <message>
        <source>Отказ: %1</source>
        <translation>Refused: %1</translation>
    </message>
    <message>
        <source>Калибровка отклонена и не сохранена; стенд судит по прежней.</source>
        <translation>The calibration is refused and not kept; the bench keeps the one it had.</translation>
    </message>
    <message>
        <source>Калибровка сохраняется…</source>
        <translation>Keeping the calibration…</translation>
    </message>
    <message>
        <source>Калибровка не сохранена: %1</source>
        <translation>The calibration is not kept: %1</translation>
    </message>
    <message>
        <source>Калибровка %1 сохранена, действительна до %2.</source>
        <translation>Calibration %1 kept, due %2.</translation>
    </message>
</context>
<context>
    <name>velmor::FormGraf</name>
    <message>
        <source>Ручной режим</source>
        <translation>Manual mode</translation>
    </message>
    <message>
        <source>Введите имя файла (без расширения)</source>
        <translation>Enter the file name (without extension)</translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation>Input</translation>
    </message>
</context>
<context>
    <name>velmor::Language</name>
    <message>
        <source>--language takes ru (Russian) or en (English), not &quot;%1&quot;</source>
        <translation type="unfinished">--language takes ru (Russian) or en (English), not &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>velmor::LinkTrace</name>
    <message>
        <source>Не удаётся записать трассу связи %1: %2</source>
        <translation>Cannot write the link trace %1: %2</translation>
    </message>
    <message>
        <source>%1 is the serial port</source>
        <translation>%1 is the serial port</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 is a symbolic link</translation>
    </message>
    <message>
        <source>%1 is a device</source>
        <translation>%1 is a device</translation>
    </message>
    <message>
        <source>a FIFO with no reader</source>
        <translation>a FIFO with no reader</translation>
    </message>
</context>
<context>
    <name>velmor::MapFile</name>
    <message>
        <source>Не удаётся сохранить карту без имени</source>
        <translation>Cannot save the map without a name</translation>
    </message>
    <message>
        <source>Не удаётся сохранить карту: имя файла не может содержать символ NUL</source>
        <translation>Cannot save the map: a file name cannot contain a NUL character</translation>
    </message>
    <message>
        <source>Не удаётся сохранить карту как &quot;%1&quot;: имя ведёт за пределы папки Graf</source>
        <translation>Cannot save the map as &quot;%1&quot;: the name leads out of the Graf folder</translation>
    </message>
    <message>
        <source>Не удаётся сохранить карту как &quot;%1&quot;: &quot;.&quot; не может быть именем</source>
        <translation>Cannot save the map as &quot;%1&quot;: &quot;.&quot; cannot be a name</translation>
    </message>
</context>
<context>
    <name>velmor::ModelsFile</name>
    <message>
        <source>cannot be read as a models file</source>
        <translation>cannot be read as a models file</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>models must be a table of models</source>
        <translation>models must be a table of models</translation>
    </message>
    <message>
        <source>model %1 must be a table with plan = &quot;FILE&quot;</source>
        <translation>model %1 must be a table with plan = &quot;FILE&quot;</translation>
    </message>
    <message>
        <source>model %1 names no plan</source>
        <translation>model %1 names no plan</translation>
    </message>
    <message>
        <source>plan of model %1 must be a file name</source>
        <translation>plan of model %1 must be a file name</translation>
    </message>
    <message>
        <source>golden of model %1 must be a list of serial numbers, golden = [&quot;SN&quot;, …]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a golden serial of model %1 must be 1 to %2 printable characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>golden serial %1 is named twice (model %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmor::OutputGauge</name>
    <message>
        <source>%1 В</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>— В</source>
        <translation>— V</translation>
    </message>
</context>
<context>
    <name>velmor::Plan</name>
    <message>
        <source>pace must be &quot;ticks&quot; or &quot;replies&quot;, not &quot;%1&quot;</source>
        <translation>pace must be &quot;ticks&quot; or &quot;replies&quot;, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown profile &quot;%1&quot; (known: atx, atx3; or give out5, out12 and out33)</source>
        <translation>unknown profile &quot;%1&quot; (known: atx, atx3; or give out5, out12 and out33)</translation>
    </message>
    <message>
        <source>the profile needs a name (atx, atx3) or out5, out12 and out33</source>
        <translation>the profile needs a name (atx, atx3) or out5, out12 and out33</translation>
    </message>
    <message>
        <source>a profile of its own gives out5, out12 and out33</source>
        <translation>a profile of its own gives out5, out12 and out33</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a built-in profile: name a profile of your own differently</source>
        <translation>&quot;%1&quot; is a built-in profile: name a profile of your own differently</translation>
    </message>
    <message>
        <source>%1 must hold nominal: low at most 0, high at least 0</source>
        <translation>%1 must hold nominal: low at most 0, high at least 0</translation>
    </message>
    <message>
        <source>a guard band of %1 points leaves nothing of %2 (%3 to %4 %)</source>
        <translation>a guard band of %1 points leaves nothing of %2 (%3 to %4 %)</translation>
    </message>
    <message>
        <source>unknown step kind &quot;%1&quot; (known: %2)</source>
        <translation>unknown step kind &quot;%1&quot; (known: %2)</translation>
    </message>
    <message>
        <source>not valid TOML: %1</source>
        <translation>not valid TOML: %1</translation>
    </message>
    <message>
        <source>the plan has no steps</source>
        <translation>the plan has no steps</translation>
    </message>
    <message>
        <source>the plan has no steps ([[step]] tables)</source>
        <translation>the plan has no steps ([[step]] tables)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>larger than the %1 KiB a plan may have</source>
        <translation>larger than the %1 KiB a plan may have</translation>
    </message>
    <message>
        <source>%1 %2..%3 %</source>
        <translation>%1 %2..%3 %</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>plan %1 (%2)
</source>
        <translation>plan %1 (%2)
</translation>
    </message>
    <message>
        <source>supply: %1 W; +5 V %2 A, +12 V %3 A, +3.3 V %4 A; power bound %5 W
</source>
        <translation>supply: %1 W; +5 V %2 A, +12 V %3 A, +3.3 V %4 A; power bound %5 W
</translation>
    </message>
    <message>
        <source>profile: %1 (%2, %3, %4), guard band %5 points
</source>
        <translation>profile: %1 (%2, %3, %4), guard band %5 points
</translation>
    </message>
    <message>
        <source>pace: replies
</source>
        <translation>pace: replies
</translation>
    </message>
    <message>
        <source>settle time: %1 ms
</source>
        <translation>settle time: %1 ms
</translation>
    </message>
    <message>
        <source>pace: ticks
</source>
        <translation>pace: ticks
</translation>
    </message>
    <message>
        <source>%1. %2 &quot;%3&quot;: %4; about %5
</source>
        <translation>%1. %2 &quot;%3&quot;: %4; about %5
</translation>
    </message>
    <message>
        <source>steps: %1, about %2 in all
</source>
        <translation>steps: %1, about %2 in all
</translation>
    </message>
    <message>
        <source>missing key %1</source>
        <translation>missing key %1</translation>
    </message>
    <message>
        <source>%1 must be a number</source>
        <translation>%1 must be a number</translation>
    </message>
    <message>
        <source>%1 = %2 is out of range (%3 to %4)</source>
        <translation>%1 = %2 is out of range (%3 to %4)</translation>
    </message>
    <message>
        <source>%1 must be a whole number</source>
        <translation>%1 must be a whole number</translation>
    </message>
    <message>
        <source>%1 must be a string</source>
        <translation>%1 must be a string</translation>
    </message>
    <message>
        <source>%1 has a control character</source>
        <translation>%1 has a control character</translation>
    </message>
    <message>
        <source>%1 must be true or false</source>
        <translation>%1 must be true or false</translation>
    </message>
    <message>
        <source>%1 must be two numbers [low, high]</source>
        <translation>%1 must be two numbers [low, high]</translation>
    </message>
    <message>
        <source>%1: %2 is out of range (%3 to %4)</source>
        <translation>%1: %2 is out of range (%3 to %4)</translation>
    </message>
    <message>
        <source>%1: low %2 is above high %3</source>
        <translation>%1: low %2 is above high %3</translation>
    </message>
    <message>
        <source>%1 must be a load, e.g. { a5 = 10, a12 = 8 } or { percent = 50 }</source>
        <translation>%1 must be a load, e.g. { a5 = 10, a12 = 8 } or { percent = 50 }</translation>
    </message>
    <message>
        <source>%1 mixes amperes (a5, a12, a33), percent per output (p5, p12, p33) and percent of all three: give one of them</source>
        <translation>%1 mixes amperes (a5, a12, a33), percent per output (p5, p12, p33) and percent of all three: give one of them</translation>
    </message>
    <message>
        <source>%1 asks for %2 A on %3, above the unit&apos;s full scale of %4 A</source>
        <translation>%1 asks for %2 A on %3, above the unit&apos;s full scale of %4 A</translation>
    </message>
    <message>
        <source>%1 draws %2 W at nominal volts, above the plan&apos;s power bound of %3 W</source>
        <translation>%1 draws %2 W at nominal volts, above the plan&apos;s power bound of %3 W</translation>
    </message>
    <message>
        <source>%1 must be an array of loads</source>
        <translation>%1 must be an array of loads</translation>
    </message>
    <message>
        <source>%1 must be a table</source>
        <translation>%1 must be a table</translation>
    </message>
    <message>
        <source>%1 must be an array of tables ([[%1]])</source>
        <translation>%1 must be an array of tables ([[%1]])</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>load points: %1, %2 s each</source>
        <translation>load points: %1, %2 s each</translation>
    </message>
    <message>
        <source>no load points</source>
        <translation>no load points</translation>
    </message>
    <message>
        <source>name must be 1 to %1 characters, not blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is narrower than one step of the unit&apos;s reading: no reading can pass it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan would take %1 days; a plan may take at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key %1 (and missing key %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmor::Program</name>
    <message>
        <source>the bench&apos;s calibration cannot be read (%1); the graph window&apos;s sweeps are recorded uncalibrated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmor::QtSerialPort</name>
    <message>
        <source>Не удаётся открыть последовательный порт %1: %2</source>
        <translation>Cannot open the serial port %1: %2</translation>
    </message>
    <message>
        <source>порт уже открыт</source>
        <translation>the port is open already</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>. Возможно, порт занят другой программой; иначе дайте своему пользователю доступ к нему (Linux: sudo usermod -aG dialout $USER и войдите в систему заново, или правило udev для адаптера)</source>
        <translation>. Another program may hold the port; otherwise give your user access to it (Linux: sudo usermod -aG dialout $USER and log in again, or a udev rule for the adapter)</translation>
    </message>
</context>
<context>
    <name>velmor::RecordText</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>%1 load at %2</source>
        <translation>%1 load at %2</translation>
    </message>
    <message>
        <source>regulation %1</source>
        <translation>regulation %1</translation>
    </message>
    <message>
        <source>%1: no settled reading</source>
        <translation>%1: no settled reading</translation>
    </message>
    <message>
        <source>no settled reading at %1</source>
        <translation>no settled reading at %1</translation>
    </message>
    <message>
        <source>%1 lowest</source>
        <translation>%1 lowest</translation>
    </message>
    <message>
        <source>%1 highest</source>
        <translation>%1 highest</translation>
    </message>
    <message>
        <source>%1 readings outside</source>
        <translation>%1 readings outside</translation>
    </message>
    <message>
        <source>readings judged</source>
        <translation>readings judged</translation>
    </message>
    <message>
        <source>readings not judged</source>
        <translation>readings not judged</translation>
    </message>
    <message>
        <source>%1, no reading judged</source>
        <translation>%1, no reading judged</translation>
    </message>
    <message>
        <source>%1, %2 judged, none outside</source>
        <translation>%1, %2 judged, none outside</translation>
    </message>
    <message>
        <source>%1, %2 judged, %3 outside</source>
        <translation>%1, %2 judged, %3 outside</translation>
    </message>
    <message>
        <source>cells judged</source>
        <translation>cells judged</translation>
    </message>
    <message>
        <source>cells inside</source>
        <translation>cells inside</translation>
    </message>
    <message>
        <source>cells outside</source>
        <translation>cells outside</translation>
    </message>
    <message>
        <source>worst %1</source>
        <translation>worst %1</translation>
    </message>
    <message>
        <source>%1 of %2 cells inside</source>
        <translation>%1 of %2 cells inside</translation>
    </message>
    <message>
        <source>trip power</source>
        <translation>trip power</translation>
    </message>
    <message>
        <source>held power</source>
        <translation>held power</translation>
    </message>
    <message>
        <source>trip current %1</source>
        <translation>trip current %1</translation>
    </message>
    <message>
        <source>held current %1</source>
        <translation>held current %1</translation>
    </message>
    <message>
        <source>no trip up to</source>
        <translation>no trip up to</translation>
    </message>
    <message>
        <source>%1 before the trip</source>
        <translation>%1 before the trip</translation>
    </message>
    <message>
        <source>trip at %1 W</source>
        <translation>trip at %1 W</translation>
    </message>
    <message>
        <source>trip at %1 A on %2</source>
        <translation>trip at %1 A on %2</translation>
    </message>
    <message>
        <source>no trip up to %1 W</source>
        <translation>no trip up to %1 W</translation>
    </message>
    <message>
        <source>no trip up to %1 A</source>
        <translation>no trip up to %1 A</translation>
    </message>
    <message>
        <source>+5 V</source>
        <translation>+5 V</translation>
    </message>
    <message>
        <source>+12 V</source>
        <translation>+12 V</translation>
    </message>
    <message>
        <source>+3.3 V</source>
        <translation>+3.3 V</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>beyond the range</source>
        <translation>beyond the range</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation type="unfinished">%1 V</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmor::Startup</name>
    <message>
        <source>Трасса связи</source>
        <translation>Link trace</translation>
    </message>
</context>
<context>
    <name>velmor::StationCalibration</name>
    <message>
        <source>Калибровка стенда: проверяется…</source>
        <translation>Bench calibration: being looked up…</translation>
    </message>
    <message>
        <source>Калибровка стенда не прочитана: %1</source>
        <translation>The bench&apos;s calibration cannot be read: %1</translation>
    </message>
    <message>
        <source>Стенд не калиброван</source>
        <translation>The bench is not calibrated</translation>
    </message>
    <message>
        <source>Калибровка стенда действительна до %1</source>
        <translation>The bench&apos;s calibration is valid until %1</translation>
    </message>
    <message>
        <source>Калибровка стенда просрочена: срок был %1</source>
        <translation>The bench&apos;s calibration is overdue: it was due %1</translation>
    </message>
    <message>
        <source>Калибровка стенда ещё проверяется; нажмите Enter ещё раз</source>
        <translation>The bench&apos;s calibration is still being looked up; press Enter again</translation>
    </message>
    <message>
        <source>Калибровка стенда просрочена (срок был %1).</source>
        <translation>The bench&apos;s calibration is overdue (it was due %1).</translation>
    </message>
    <message>
        <source>Стенд не калиброван.</source>
        <translation>The bench is not calibrated.</translation>
    </message>
    <message>
        <source>Откалибруйте блок стенда: кнопка «Калибровка блока…» или velmor-test --calibrate.</source>
        <translation>Calibrate the bench&apos;s unit: the «Calibrate the unit…» button or velmor-test --calibrate.</translation>
    </message>
</context>
<context>
    <name>velmor::StationGolden</name>
    <message>
        <source>%1: golden = «%2»: допустимо &quot;shift&quot; или &quot;off&quot;.</source>
        <translation>%1: golden = «%2»: &quot;shift&quot; or &quot;off&quot; is allowed.</translation>
    </message>
    <message>
        <source>%1: shifts: «%2» не время начала смены ЧЧ:ММ.</source>
        <translation>%1: shifts: «%2» is not a shift&apos;s start time HH:MM.</translation>
    </message>
    <message>
        <source>%1: golden = &quot;shift&quot; требует начала смен, например shifts = [&quot;06:00&quot;, &quot;14:00&quot;, &quot;22:00&quot;].</source>
        <translation>%1: golden = &quot;shift&quot; needs the shifts&apos; start times, e.g. shifts = [&quot;06:00&quot;, &quot;14:00&quot;, &quot;22:00&quot;].</translation>
    </message>
    <message>
        <source>Исправьте station.conf и откройте станцию заново.</source>
        <translation>Mend station.conf and open the station again.</translation>
    </message>
    <message>
        <source>Файл моделей отклонён: %1
Исправьте его: в нём названы эталонные блоки.</source>
        <translation>The models file is refused: %1
Mend it: it names the golden units.</translation>
    </message>
    <message>
        <source>Станция требует проверки эталонного блока в каждой смене, но файл моделей %1 не называет ни одного: укажите его серийный номер (golden = [&quot;…&quot;]).</source>
        <translation>The station requires a golden unit&apos;s test in every shift, but the models file %1 names none: give its serial (golden = [&quot;…&quot;]).</translation>
    </message>
    <message>
        <source>Проверка эталонного блока ещё ищется в базе; нажмите Enter ещё раз</source>
        <translation>The golden unit&apos;s test is still being looked up in the store; press Enter again</translation>
    </message>
    <message>
        <source>В этой смене (с %1) эталонный блок на этом стенде ещё не прошёл проверку. Сначала проверьте эталонный блок (%2), затем этот.</source>
        <translation>No golden unit has passed on this bench in this shift (since %1). Test the golden unit (%2) first, then this one.</translation>
    </message>
    <message>
        <source>База результатов не прочитана: %1</source>
        <translation>The results store could not be read: %1</translation>
    </message>
</context>
<context>
    <name>velmor::StationWindow</name>
    <message>
        <source>ГОДЕН</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>НЕ ГОДЕН</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>ОШИБКА</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>ПРЕРВАН</source>
        <translation>ABORTED</translation>
    </message>
    <message>
        <source>Velmor test — станция</source>
        <translation>Velmor test — station</translation>
    </message>
    <message>
        <source>+5 В</source>
        <translation>+5 V</translation>
    </message>
    <message>
        <source>+12 В</source>
        <translation>+12 V</translation>
    </message>
    <message>
        <source>+3,3 В</source>
        <translation>+3.3 V</translation>
    </message>
    <message>
        <source>Последние проверки:</source>
        <translation>Last runs:</translation>
    </message>
    <message>
        <source>План выбирается по модели (%1)</source>
        <translation>The model picks the plan (%1)</translation>
    </message>
    <message>
        <source>План: %1</source>
        <translation>Plan: %1</translation>
    </message>
    <message>
        <source>Модель «%1» не найдена в %2</source>
        <translation>Model &quot;%1&quot; is not in %2</translation>
    </message>
    <message>
        <source>План: %1, около %2</source>
        <translation>Plan: %1, about %2</translation>
    </message>
    <message>
        <source>Шаг %1 из %2: %3</source>
        <translation>Step %1 of %2: %3</translation>
    </message>
    <message>
        <source>Прошло %1, осталось около %2</source>
        <translation>%1 elapsed, about %2 left</translation>
    </message>
    <message>
        <source>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность %4 Вт</source>
        <translation>Load: +5 V %1 A, +12 V %2 A, +3.3 V %3 A; power %4 W</translation>
    </message>
    <message>
        <source>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; нет ответа блока</source>
        <translation>Load: +5 V %1 A, +12 V %2 A, +3.3 V %3 A; no reply from the unit</translation>
    </message>
    <message>
        <source>Отчёт не записан: %1</source>
        <translation>Report not written: %1</translation>
    </message>
    <message>
        <source>Отчёт: %1</source>
        <translation>Report: %1</translation>
    </message>
    <message>
        <source>Шаг «%1»: %2</source>
        <translation>Step &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>В пределах, но близко к границе. %1</source>
        <translation>Inside the limits, but close to one. %1</translation>
    </message>
    <message>
        <source>станция: %1: %2</source>
        <translation>station: %1: %2</translation>
    </message>
    <message>
        <source>Поиск прежних проверок блока…</source>
        <translation>Looking up the unit&apos;s earlier tests…</translation>
    </message>
    <message>
        <source>ПОВТОР</source>
        <translation>REPEAT</translation>
    </message>
    <message>
        <source>%1
Enter — проверить ещё раз, Esc — отмена</source>
        <translation>%1
Enter: test it again, Esc: cancel</translation>
    </message>
    <message>
        <source>Серийный номер (&amp;S):</source>
        <translation>Serial number (&amp;S):</translation>
    </message>
    <message>
        <source>Модель (&amp;M):</source>
        <translation>Model (&amp;M):</translation>
    </message>
    <message>
        <source>Оператор (&amp;O):</source>
        <translation>Operator (&amp;O):</translation>
    </message>
    <message>
        <source>Стоп (Esc)</source>
        <translation>Stop (Esc)</translation>
    </message>
    <message>
        <source>Файл моделей %1 не найден: в нём каждой модели указан её план (или запустите станцию с --plan ФАЙЛ)</source>
        <translation>The models file %1 is not found: it names the plan of each model (or start the station with --plan FILE)</translation>
    </message>
    <message>
        <source>Модель не выбрана: её план ищется в %1</source>
        <translation>No model chosen: its plan is looked up in %1</translation>
    </message>
    <message>
        <source>Нагрузка: +5 В %1 А, +12 В %2 А, +3,3 В %3 А; мощность неизвестна: напряжение за пределом измерения блока</source>
        <translation>Load: +5 V %1 A, +12 V %2 A, +3.3 V %3 A; power unknown: a voltage beyond the unit&apos;s measuring range</translation>
    </message>
    <message>
        <source>ОШИБКА СТЕНДА</source>
        <translation>BENCH ERROR</translation>
    </message>
    <message>
        <source>%1
Проверьте кабель и питание измерительного блока и его порт, затем проверьте блок снова.</source>
        <translation>%1
Check the measuring unit&apos;s cable, its power and its port, then test the unit again.</translation>
    </message>
    <message>
        <source>Шаг «%1»</source>
        <translation>Step &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Серийный номер пуст, длиннее %1 знаков или содержит недопустимые знаки</source>
        <translation>The serial number is empty, longer than %1 characters or holds characters it may not</translation>
    </message>
    <message>
        <source>%1
Исправьте файл %2 (или выберите другую модель), затем проверьте блок снова.</source>
        <translation>%1
Correct the file %2 (or choose another model), then test the unit again.</translation>
    </message>
    <message>
        <source>%1
Проверьте, что адаптер порта подключён к компьютеру, затем проверьте блок снова.</source>
        <translation>%1
Check that the port&apos;s adapter is plugged into the computer, then test the unit again.</translation>
    </message>
    <message>
        <source>%1
Проверьте питание измерительного блока и кабель между ним и портом, затем проверьте блок снова.</source>
        <translation>%1
Check the measuring unit&apos;s power and the cable between it and the port, then test the unit again.</translation>
    </message>
    <message>
        <source>Калибровка блока…</source>
        <translation>Calibrate the unit…</translation>
    </message>
    <message>
        <source>Калибровку некуда сохранить: хранилище записей отключено</source>
        <translation>Nowhere to keep a calibration: the records store is off</translation>
    </message>
</context>
<context>
    <name>velmor::UnattendedPlan</name>
    <message>
        <source>serial port open again; the plan goes on</source>
        <translation>serial port open again; the plan goes on</translation>
    </message>
    <message>
        <source>%1: plan &quot;%2&quot; on %3 stopped at step %4 of %5; supply and loads off</source>
        <translation>%1: plan &quot;%2&quot; on %3 stopped at step %4 of %5; supply and loads off</translation>
    </message>
    <message>
        <source>no reply from the unit for %1 s; the plan run is given up</source>
        <translation>no reply from the unit for %1 s; the plan run is given up</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s) passed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>step &quot;%1&quot;: %2</source>
        <translation>step &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the link was lost at step %1 of %2</source>
        <translation>the link was lost at step %1 of %2</translation>
    </message>
    <message>
        <source>stopped at step %1 of %2</source>
        <translation>stopped at step %1 of %2</translation>
    </message>
    <message>
        <source>%1: plan &quot;%2&quot; on %3: %4</source>
        <translation>%1: plan &quot;%2&quot; on %3: %4</translation>
    </message>
    <message>
        <source>the report was not written: %1</source>
        <translation>the report was not written: %1</translation>
    </message>
    <message>
        <source>report: %1</source>
        <translation>report: %1</translation>
    </message>
    <message>
        <source>the bench could not test (step %1 of %2): %3</source>
        <translation>the bench could not test (step %1 of %2): %3</translation>
    </message>
    <message>
        <source>the serial port did not come back within %1 s; the plan run is given up</source>
        <translation>the serial port did not come back within %1 s; the plan run is given up</translation>
    </message>
</context>
<context>
    <name>velmor::UnattendedRun</name>
    <message>
        <source>the output cannot be written (%1); the run is stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial port lost (%1); waiting up to %2 s for it</source>
        <translation type="unfinished">serial port lost (%1); waiting up to %2 s for it</translation>
    </message>
</context>
<context>
    <name>velmor::UnattendedSweep</name>
    <message>
        <source>no reply from the unit for %1 s; the sweep is given up</source>
        <translation>no reply from the unit for %1 s; the sweep is given up</translation>
    </message>
    <message>
        <source>serial port open again; the sweep goes on</source>
        <translation>serial port open again; the sweep goes on</translation>
    </message>
    <message>
        <source>Saved %1 with its .csv and .txt%2</source>
        <translation>Saved %1 with its .csv and .txt%2</translation>
    </message>
    <message>
        <source> and .pdf</source>
        <translation> and .pdf</translation>
    </message>
    <message>
        <source>interrupted; supply and loads off</source>
        <translation>interrupted; supply and loads off</translation>
    </message>
    <message>
        <source>port lost: %1; the sweep is given up</source>
        <translation>port lost: %1; the sweep is given up</translation>
    </message>
    <message>
        <source>Judged with calibration %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged uncalibrated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>--listen takes ADDRESS:PORT, e.g. 127.0.0.1:8080 or [::1]:8080, not &quot;%1&quot;</source>
        <translation>--listen takes ADDRESS:PORT, e.g. 127.0.0.1:8080 or [::1]:8080, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: cannot open the token file: %2</source>
        <translation>%1: cannot open the token file: %2</translation>
    </message>
    <message>
        <source>%1: the token file is not a regular file</source>
        <translation>%1: the token file is not a regular file</translation>
    </message>
    <message>
        <source>%1: the token file must be this user&apos;s and readable by no one else (chmod 600)</source>
        <translation>%1: the token file must be this user&apos;s and readable by no one else (chmod 600)</translation>
    </message>
    <message>
        <source>%1: the token file must hold one line of 16 to 256 visible ASCII characters</source>
        <translation>%1: the token file must hold one line of 16 to 256 visible ASCII characters</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the pages, as HTML names it</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>a day is given as YYYY-MM-DD</source>
        <translation>a day is given as YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the page is a number from 0</source>
        <translation>the page is a number from 0</translation>
    </message>
    <message>
        <source>any</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Bench</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>No records.</source>
        <translation>No records.</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>started</source>
        <translation>started</translation>
    </message>
    <message>
        <source>end</source>
        <translation>end</translation>
    </message>
    <message>
        <source>bench</source>
        <translation>bench</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>cells/ticks</source>
        <translation>cells/ticks</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>verdict</translation>
    </message>
    <message>
        <source>newer</source>
        <translation>newer</translation>
    </message>
    <message>
        <source>older</source>
        <translation>older</translation>
    </message>
    <message>
        <source>Page %1.</source>
        <translation>Page %1.</translation>
    </message>
    <message>
        <source>Test records</source>
        <translation>Test records</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record id</source>
        <translation>&quot;%1&quot; is no record id</translation>
    </message>
    <message>
        <source>no record %1</source>
        <translation>no record %1</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>PDF report</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Saved as</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>the cross-load map</source>
        <translation>the cross-load map</translation>
    </message>
    <message>
        <source>Sweep %1</source>
        <translation>Sweep %1</translation>
    </message>
    <message>
        <source>Session %1</source>
        <translation>Session %1</translation>
    </message>
    <message>
        <source>the %1 file was not made</source>
        <translation>the %1 file was not made</translation>
    </message>
    <message>
        <source>sweep %1 was recorded without its map&apos;s size</source>
        <translation>sweep %1 was recorded without its map&apos;s size</translation>
    </message>
    <message>
        <source>no such file of a record</source>
        <translation>no such file of a record</translation>
    </message>
    <message>
        <source>no temporary folder: %1</source>
        <translation>no temporary folder: %1</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>Not understood</translation>
    </message>
    <message>
        <source>Token needed</source>
        <translation>Token needed</translation>
    </message>
    <message>
        <source>Cannot show this</source>
        <translation>Cannot show this</translation>
    </message>
    <message>
        <source>%1 is not a loopback address: serving the records there needs --token-file FILE</source>
        <translation>%1 is not a loopback address: serving the records there needs --token-file FILE</translation>
    </message>
    <message>
        <source>%1 holds no velmor-test records</source>
        <translation>%1 holds no velmor-test records</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>cannot listen on %1: %2</translation>
    </message>
    <message>
        <source>serving %1 at http://%2:%3/</source>
        <translation>serving %1 at http://%2:%3/</translation>
    </message>
    <message>
        <source>this store is of schema version %1, which keeps no sweep&apos;s verdict in its row; the summary needs version 3</source>
        <translation>this store is of schema version %1, which keeps no sweep&apos;s verdict in its row; the summary needs version 3</translation>
    </message>
    <message>
        <source>its verdict &quot;%1&quot; is none this program writes</source>
        <translation>its verdict &quot;%1&quot; is none this program writes</translation>
    </message>
    <message>
        <source>sweep %1 is left out: %2</source>
        <translation>sweep %1 is left out: %2</translation>
    </message>
    <message>
        <source>No completed sweeps.</source>
        <translation>No completed sweeps.</translation>
    </message>
    <message>
        <source>model</source>
        <translation>model</translation>
    </message>
    <message>
        <source>day (UTC)</source>
        <translation>day (UTC)</translation>
    </message>
    <message>
        <source>sweeps</source>
        <translation>sweeps</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>units</source>
        <translation>units</translation>
    </message>
    <message>
        <source>first-pass yield</source>
        <translation>first-pass yield</translation>
    </message>
    <message>
        <source>most frequent failing step</source>
        <translation>most frequent failing step</translation>
    </message>
    <message>
        <source>the unit is given as ?serial=SERIAL</source>
        <translation>the unit is given as ?serial=SERIAL</translation>
    </message>
    <message>
        <source>Its records in the list</source>
        <translation>Its records in the list</translation>
    </message>
    <message>
        <source>Unit %1</source>
        <translation>Unit %1</translation>
    </message>
    <message>
        <source>no such page</source>
        <translation>no such page</translation>
    </message>
    <message>
        <source>the records are only read here</source>
        <translation>the records are only read here</translation>
    </message>
    <message>
        <source>this view needs its token: the header &quot;Authorization: Bearer TOKEN&quot;, the cookie token or ?token=TOKEN</source>
        <translation>this view needs its token: the header &quot;Authorization: Bearer TOKEN&quot;, the cookie token or ?token=TOKEN</translation>
    </message>
    <message>
        <source>the verdict is one of pass, fail, none and incomplete, or a run&apos;s marginal, error and aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the kind is sweep, session or run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished">Outcome</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation type="unfinished">Run %1</translation>
    </message>
    <message>
        <source>only a sweep has a map of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file of this record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its outcome &quot;%1&quot; is no verdict this program writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run %1 is left out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step %1 has volts &quot;%2&quot;, which no points step names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the volts of run %1 are left out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No completed runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No volts of a load point in the completed runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step</source>
        <translation type="unfinished">step</translation>
    </message>
    <message>
        <source>point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output</source>
        <translation type="unfinished">output</translation>
    </message>
    <message>
        <source>LSL, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USL, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cpk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed runs only. A run passed with the verdict pass or marginal (inside the limits, outside the guard band); the first-pass yield is the share of units whose first run of the group passed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs at the reference load points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the voltages over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sweep shows its map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session has no readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the request&apos;s head is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer took longer than %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records have ids starting with %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is no request the view understands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records are only read here: a request carries no body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this view answers to %1 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>Decided by</translation>
    </message>
    <message>
        <source>Key figure</source>
        <translation>Key figure</translation>
    </message>
    <message>
        <source>- (%1 of %2 values)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beyond ±3σ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation type="unfinished">Measurement</translation>
    </message>
    <message>
        <source>First-pass yield per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first-pass yield per day and model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control chart: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each completed run&apos;s value in the order the runs started, against the newest run&apos;s limits, with the mean and mean ± 3σ; a value beyond ±3σ is ringed. Cpk is shown from %1 values on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the control chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no completed runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSL %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USL %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−3σ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+3σ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marginal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished">none</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link-lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switched-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sweep</source>
        <translation type="unfinished">sweep</translation>
    </message>
    <message>
        <source>session</source>
        <translation type="unfinished">session</translation>
    </message>
    <message>
        <source>run</source>
        <translation type="unfinished">run</translation>
    </message>
    <message>
        <source>Failures by cause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeatability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The measurements of these runs as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>final yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed and errored runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No failed or errored runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cumulative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit was tested twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last completed run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more units tested more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the completed plan runs: a unit passed first when its first run passed (pass or marginal), at last when its last one did.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The failed and errored runs by what decided them: the measurement that crossed its limit and where, a shutdown, a supply that did not power on, a unit gone silent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retests per unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JUnit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One unit tested again and again on one plan: the spread of each measurement is the bench&apos;s own. %GRR = 6σ / tolerance × 100: below 10 % good, 10 to 30 % acceptable, above 30 % not acceptable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 completed runs of unit %2 on plan %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>measurement</source>
        <translation type="unfinished">measurement</translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%GRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No step has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outcome</source>
        <translation type="unfinished">outcome</translation>
    </message>
    <message>
        <source>decided by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key figure</source>
        <translation type="unfinished">key figure</translation>
    </message>
    <message>
        <source>judged</source>
        <translation type="unfinished">judged</translation>
    </message>
    <message>
        <source>unsettled</source>
        <translation type="unfinished">unsettled</translation>
    </message>
    <message>
        <source>Step %1 &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished">value</translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished">low</translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished">high</translation>
    </message>
    <message>
        <source>guard low</source>
        <translation type="unfinished">guard low</translation>
    </message>
    <message>
        <source>guard high</source>
        <translation type="unfinished">guard high</translation>
    </message>
    <message>
        <source>asked</source>
        <translation type="unfinished">asked</translation>
    </message>
    <message>
        <source>Each load point of a points step, by model, plan and step: the volts the step kept for it (the reading furthest from nominal among the point&apos;s settled readings) over the completed runs, against the profile&apos;s limits stored with them as LSL and USL. σ is the sample standard deviation; Cpk = min(USL − mean, mean − LSL) / 3σ, shown from %1 values on (&quot;-&quot; for fewer, or for σ = 0): the count beside it says how many values it rests on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records of this unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
    <message>
        <source>For each model, plan and output at a reference point: each bench&apos;s mean over the completed runs against the mean over all benches, in volts and in the unit&apos;s reading steps. A bench more than %1 steps apart reads differently from the others: check it before its results are trusted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>agrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No volts at a reference point in the completed runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean of all, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its mean, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>difference, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bench against bench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drifted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steady</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first runs&apos; mean, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latest, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latest run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden unit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells</source>
        <translation type="unfinished">Cells</translation>
    </message>
    <message>
        <source>cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not judged: answering the all-off frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not judged: before the supply was up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not judged: just after a load jump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not judged: after a shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inside the ±5 % band on +5 V and +12 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The supply did not power on: not all three outputs within ±10 % %1 s after switch-on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished">V</translation>
    </message>
    <message>
        <source>from nominal, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from nominal, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+5 V load, A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+12 V load, A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not judged: answering a supply-off frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overload cuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overload cut at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uncertainty ±</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each calibration of a bench&apos;s unit against a reference meter, newest first; a bench judges with its newest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calibrations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no calibration %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>±(%1 % of reading + %2 V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offset, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard error, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uncertainty at nominal, V (k=2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raw mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meter, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>residual, V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uncalibrated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the bench&apos;s calibration was overdue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the bench had no calibration)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>± %1 V, uncertainty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 steps, %2 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A known-good supply tested now and then on each bench: its latest reading at each reference point against the mean of its first %1 runs on that bench, in volts and in the unit&apos;s reading steps. A bench whose golden reading moved by more than the reading&apos;s uncertainty (where its run was judged with a calibration), else by more than %2 steps, has drifted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden units of the models file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No completed run of a golden unit with volts at a reference point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>golden unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The models file names no golden unit: golden = [&quot;SERIAL&quot;, …] under its model names it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>readings, V, oldest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a kept tally is left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no output at a load point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
