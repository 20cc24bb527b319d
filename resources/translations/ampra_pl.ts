<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AMPCalibrationTableDataProvider</name>
    <message>
        <source>Date</source>
        <extracomment>Heading of the calibration history&apos;s column of dates</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Capacity (mAh)</source>
        <extracomment>Heading of the calibration history&apos;s column of capacities (mAh, share of the design)</extracomment>
        <translation>Pojemność (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Heading of the calibration history&apos;s column of charge cycles</extracomment>
        <translation>Cykle</translation>
    </message>
</context>
<context>
    <name>AMPCalibrationVC</name>
    <message>
        <source>Next calibration:</source>
        <extracomment>Caption before the date of the next calibration</extracomment>
        <translation>Następna kalibracja:</translation>
    </message>
    <message>
        <source>About the next calibration</source>
        <extracomment>Accessible name of the button that opens the help about the next calibration date</extracomment>
        <translation>O następnej kalibracji</translation>
    </message>
    <message>
        <source>When is the next calibration?</source>
        <extracomment>Title of the first help paragraph about the next calibration date</extracomment>
        <translation>Kiedy jest następna kalibracja?</translation>
    </message>
    <message>
        <source>Not a good moment?</source>
        <extracomment>Title of the second help paragraph about the next calibration date</extracomment>
        <translation>To nie jest dobry moment?</translation>
    </message>
    <message>
        <source>You can change how often Ampra suggests a calibration in the Preferences.</source>
        <extracomment>Closing line of the help about the next calibration date</extracomment>
        <translation>W Preferencjach możesz zmienić, jak często Ampra proponuje kalibrację.</translation>
    </message>
    <message>
        <source>About calibration</source>
        <extracomment>Accessible name of the button that opens the help about calibration</extracomment>
        <translation>O kalibracji</translation>
    </message>
    <message>
        <source>Why calibrate?</source>
        <extracomment>Title of the first help paragraph about calibration</extracomment>
        <translation>Po co kalibrować?</translation>
    </message>
    <message>
        <source>The battery&apos;s gauge estimates how much charge is left. Taking the battery from full to almost empty lets it measure its capacity again, so that the percentage and the time estimates stay accurate.</source>
        <extracomment>First help paragraph about calibration</extracomment>
        <translation>Wskaźnik baterii szacuje, ile ładunku zostało. Rozładowanie baterii od pełnej do prawie pustej pozwala jej ponownie zmierzyć swoją pojemność, dzięki czemu procent i szacowany czas pozostają dokładne.</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <extracomment>Title of the second help paragraph about calibration</extracomment>
        <translation>Jak to działa?</translation>
    </message>
    <message>
        <source>Good to know</source>
        <extracomment>Title of the third help paragraph about calibration</extracomment>
        <translation>Warto wiedzieć</translation>
    </message>
    <message>
        <source>If the charger is plugged in too early, the calibration starts again at step 1. You never need to tell Ampra which step you are in: it follows the battery by itself.</source>
        <extracomment>Third help paragraph about calibration</extracomment>
        <translation>Jeśli zasilacz zostanie podłączony za wcześnie, kalibracja zaczyna się od nowa od kroku 1. Nigdy nie musisz mówić Ampra, na którym kroku jesteś: sam śledzi baterię.</translation>
    </message>
    <message>
        <source>Step instructions</source>
        <extracomment>Accessible name of the pages of calibration instructions</extracomment>
        <translation>Instrukcje kroku</translation>
    </message>
    <message>
        <source>Completed calibrations</source>
        <extracomment>Caption of the calibration history table</extracomment>
        <translation>Ukończone kalibracje</translation>
    </message>
    <message>
        <source>The battery&apos;s capacity measured at the end of each calibration, newest first.</source>
        <extracomment>Description under the caption of the calibration history table</extracomment>
        <translation>Pojemność baterii zmierzona na końcu każdej kalibracji, od najnowszej.</translation>
    </message>
    <message>
        <source>Calibration history</source>
        <extracomment>Accessible name of the calibration history table</extracomment>
        <translation>Historia kalibracji</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Zapisz historię pojemności i kalibracje jako plik CSV</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A duration in whole hours</extracomment>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ampra suggests a calibration every %n day(s), counted from the last one completed.</source>
        <extracomment>Help about the next calibration date: how often a calibration is suggested</extracomment>
        <translation>
            <numerusform>Ampra proponuje kalibrację co %n dzień, licząc od ostatniej ukończonej.</numerusform>
            <numerusform>Ampra proponuje kalibrację co %n dni, licząc od ostatniej ukończonej.</numerusform>
            <numerusform>Ampra proponuje kalibrację co %n dni, licząc od ostatniej ukończonej.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While a calibration is due you can postpone it by %n day(s). Ampra will not remind you of it until then.</source>
        <extracomment>Help about the next calibration date: what postponing does</extracomment>
        <translation>
            <numerusform>Gdy kalibracja jest wymagana, możesz ją odłożyć o %n dzień. Do tego czasu Ampra nie będzie o niej przypominać.</numerusform>
            <numerusform>Gdy kalibracja jest wymagana, możesz ją odłożyć o %n dni. Do tego czasu Ampra nie będzie o niej przypominać.</numerusform>
            <numerusform>Gdy kalibracja jest wymagana, możesz ją odłożyć o %n dni. Do tego czasu Ampra nie będzie o niej przypominać.</numerusform>
        </translation>
    </message>
    <message>
        <source>Six steps: charge to full, keep the charger in for %1 more, unplug it, work on battery until the charge is under %2, suspend or switch off the laptop for %3, and come back with the charge still under %4.</source>
        <extracomment>Help about calibration: the six steps in one sentence (%1 and %3: durations in hours, %2 and %4: charge levels)</extracomment>
        <translation>Sześć kroków: naładuj do pełna, zostaw zasilacz podłączony jeszcze przez %1, odłącz go, pracuj na baterii, aż poziom naładowania spadnie poniżej %2, uśpij lub wyłącz laptopa na %3 i wróć, gdy poziom naładowania jest wciąż poniżej %4.</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n day(s)</source>
        <extracomment>The button that puts a due calibration off</extracomment>
        <translation>
            <numerusform>Odłóż o %n dzień</numerusform>
            <numerusform>Odłóż o %n dni</numerusform>
            <numerusform>Odłóż o %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the charger unplugged.</source>
        <extracomment>Calibration steps 4 and 5: the charger</extracomment>
        <translation>Nie podłączaj zasilacza.</translation>
    </message>
    <message>
        <source>No calibration step is under way right now.</source>
        <extracomment>Calibration page shown while no step is under way</extracomment>
        <translation>Żaden krok kalibracji nie jest teraz w toku.</translation>
    </message>
    <message>
        <source>Ampra follows your battery and shows here what to do as soon as a step begins.</source>
        <extracomment>Calibration page shown while no step is under way: what Ampra does meanwhile</extracomment>
        <translation>Ampra śledzi baterię i pokazuje tutaj, co zrobić, gdy tylko zacznie się krok.</translation>
    </message>
    <message>
        <source>Step 1: plug in the charger.</source>
        <extracomment>Calibration step 1: what the step is</extracomment>
        <translation>Krok 1: podłącz zasilacz.</translation>
    </message>
    <message>
        <source>Connect your laptop to its charger and let the battery charge to %1.</source>
        <extracomment>Calibration step 1: the charger</extracomment>
        <translation>Podłącz laptopa do zasilacza i pozwól baterii naładować się do %1.</translation>
    </message>
    <message>
        <source>You can go on working while it charges.</source>
        <extracomment>Calibration step 1: the laptop</extracomment>
        <translation>Podczas ładowania możesz dalej pracować.</translation>
    </message>
    <message>
        <source>Step 2: keep the charger connected.</source>
        <extracomment>Calibration step 2: what the step is</extracomment>
        <translation>Krok 2: nie odłączaj zasilacza.</translation>
    </message>
    <message>
        <source>The battery is full. Leave the charger plugged in for %1 more.</source>
        <extracomment>Calibration step 2: the charger</extracomment>
        <translation>Bateria jest pełna. Zostaw zasilacz podłączony jeszcze przez %1.</translation>
    </message>
    <message>
        <source>Keep using your laptop as usual.</source>
        <extracomment>Calibration step 2: the laptop</extracomment>
        <translation>Korzystaj z laptopa jak zwykle.</translation>
    </message>
    <message>
        <source>Step 3: unplug the charger.</source>
        <extracomment>Calibration step 3: what the step is</extracomment>
        <translation>Krok 3: odłącz zasilacz.</translation>
    </message>
    <message>
        <source>Disconnect the charger now.</source>
        <extracomment>Calibration step 3: the charger</extracomment>
        <translation>Odłącz teraz zasilacz.</translation>
    </message>
    <message>
        <source>Leave the laptop switched on: it runs on battery from now on.</source>
        <extracomment>Calibration step 3: the laptop</extracomment>
        <translation>Nie wyłączaj laptopa: od teraz działa na baterii.</translation>
    </message>
    <message>
        <source>Step 4: work on battery.</source>
        <extracomment>Calibration step 4: what the step is</extracomment>
        <translation>Krok 4: pracuj na baterii.</translation>
    </message>
    <message>
        <source>Use your laptop until the charge falls under %1. Ampra tells you when it is time for the next step.</source>
        <extracomment>Calibration step 4: the laptop (%1: a charge level)</extracomment>
        <translation>Używaj laptopa, aż poziom naładowania spadnie poniżej %1. Ampra powiadomi cię, gdy nadejdzie czas na następny krok.</translation>
    </message>
    <message>
        <source>Step 5: let the laptop rest.</source>
        <extracomment>Calibration step 5: what the step is</extracomment>
        <translation>Krok 5: pozwól laptopowi odpocząć.</translation>
    </message>
    <message>
        <source>Suspend the laptop (close the lid or choose Suspend) or switch it off, and leave it so for %1.</source>
        <extracomment>Calibration step 5: the laptop (%1: a duration in hours)</extracomment>
        <translation>Uśpij laptopa (zamknij pokrywę lub wybierz Wstrzymaj) albo go wyłącz i zostaw tak na %1.</translation>
    </message>
    <message>
        <source>Step 6: the calibration is done.</source>
        <extracomment>Calibration step 6: what the step is</extracomment>
        <translation>Krok 6: kalibracja zakończona.</translation>
    </message>
    <message>
        <source>You can plug the charger in again.</source>
        <extracomment>Calibration step 6: the charger</extracomment>
        <translation>Możesz ponownie podłączyć zasilacz.</translation>
    </message>
    <message>
        <source>The charge was still under %1 after the rest: your battery is calibrated.</source>
        <extracomment>Calibration step 6: the laptop (%1: a charge level)</extracomment>
        <translation>Po odpoczynku poziom naładowania był wciąż poniżej %1: bateria jest skalibrowana.</translation>
    </message>
    <message>
        <source>%1h %2min</source>
        <extracomment>Time left in a calibration step (%1: hours, %2: minutes), as in 2h 5min</extracomment>
        <translation>%1 godz. %2 min</translation>
    </message>
    <message>
        <source>today_summary_message</source>
        <extracomment>Shown as the next calibration date when the calibration is due today or overdue</extracomment>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>It&apos;s not necessary to calibrate your battery right now. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Calibrated text</extracomment>
        <translation>Bateria nie wymaga teraz kalibracji. Jeśli mimo to chcesz ją skalibrować, wykonaj poniższe kroki.</translation>
    </message>
    <message>
        <source>Your battery needs to be calibrated. Follow the next step below to progress through the calibration progress. If you prefer not to be botherred by messages, you can postpone the calibration to next week.</source>
        <extracomment>PendingCalibration text</extracomment>
        <translation>Bateria wymaga kalibracji. Wykonaj poniższe kroki, aby przeprowadzić kalibrację. Jeśli nie chcesz otrzymywać komunikatów, możesz odłożyć kalibrację.</translation>
    </message>
    <message>
        <source>The calibration is postponed. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Postponed text</extracomment>
        <translation>Kalibracja została odłożona. Jeśli mimo to chcesz skalibrować baterię, wykonaj poniższe kroki.</translation>
    </message>
    <message>
        <source>Calibraton is disabled.</source>
        <extracomment>Calibration off text</extracomment>
        <translation>Kalibracja jest wyłączona.</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full and the calibration cannot go on. Lift the limit until the calibration is done: in your desktop&apos;s power settings or the laptop maker&apos;s tool, in TLP (STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf), or as root by writing 100 to charge_control_end_threshold in the battery&apos;s folder under /sys/class/power_supply.</source>
        <extracomment>Calibration step 1 when the laptop stops charging early (%1: a charge level such as 80%). Keep the names TLP, STOP_CHARGE_THRESH_BAT0, /etc/tlp.conf, charge_control_end_threshold and /sys/class/power_supply as they are.</extracomment>
        <translation>Ten laptop przestaje się ładować przy %1, więc bateria nigdy nie jest pełna i kalibracja nie może być kontynuowana. Zdejmij limit do końca kalibracji: w ustawieniach zasilania środowiska lub w narzędziu producenta, w TLP (STOP_CHARGE_THRESH_BAT0 w /etc/tlp.conf) albo jako root, wpisując 100 do charge_control_end_threshold w katalogu baterii w /sys/class/power_supply.</translation>
    </message>
    <message>
        <source>hide_calibration_history_table</source>
        <extracomment>The button that hides the calibration history table</extracomment>
        <translation>Ukryj historię</translation>
    </message>
    <message>
        <source>show_calibration_history_table</source>
        <extracomment>The button that shows the calibration history table</extracomment>
        <translation>Pokaż historię</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The button in calibration step 1 that lifts the laptop&apos;s charge limit until the calibration ends (%1: 100%)</extracomment>
        <translation>Naładuj do %1 na czas tej kalibracji</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full. Ampra can lift the limit until the calibration ends.</source>
        <extracomment>Calibration step 1 when Ampra can lift the laptop&apos;s charge limit, above the button that does it (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Ten laptop przestaje się ładować przy %1, więc bateria nigdy nie jest pełna. Ampra może znieść limit do końca kalibracji.</translation>
    </message>
</context>
<context>
    <name>AMPCapacityTableDataProvider</name>
    <message>
        <source>Date</source>
        <extracomment>Header of the history column with the day a capacity was recorded</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Capacity (mAh)</source>
        <extracomment>Header of the history column with the full charge capacity in mAh</extracomment>
        <translation>Pojemność (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Header of the history column with the cycle count</extracomment>
        <translation>Cykle</translation>
    </message>
</context>
<context>
    <name>AMPCapacityVC</name>
    <message>
        <source>Charge cycles done:</source>
        <extracomment>Caption of the number of charge cycles the battery has been through</extracomment>
        <translation>Wykonane cykle ładowania:</translation>
    </message>
    <message>
        <source>Explain charge cycles</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about charge cycles</extracomment>
        <translation>Wyjaśnij cykle ładowania</translation>
    </message>
    <message>
        <source>Cycles by design:</source>
        <extracomment>Caption of the number of charge cycles the battery is designed for</extracomment>
        <translation>Cykle według projektu:</translation>
    </message>
    <message>
        <source>What is a charge cycle?</source>
        <extracomment>Title of the help about charge cycles</extracomment>
        <translation>Czym jest cykl ładowania?</translation>
    </message>
    <message>
        <source>A charge cycle is counted each time the battery has delivered as much energy as its full capacity, whether in one go or over several days: using half of it today and half tomorrow makes one cycle. The battery itself counts the cycles and Linux reads the count from the power supply driver; some batteries do not report it, and then it shows 0. A battery is built for a number of cycles, after which it holds noticeably less charge.</source>
        <extracomment>Help text about charge cycles, for a Linux laptop owner</extracomment>
        <translation>Cykl ładowania jest liczony za każdym razem, gdy bateria oddała tyle energii, ile wynosi jej pełna pojemność, za jednym razem lub przez kilka dni: zużycie połowy dziś i połowy jutro to jeden cykl. Bateria sama liczy cykle, a Linux odczytuje ich liczbę ze sterownika zasilania; niektóre baterie jej nie podają i wtedy widać 0. Bateria jest przeznaczona na określoną liczbę cykli, po której mieści wyraźnie mniej energii.</translation>
    </message>
    <message>
        <source>Design capacity (mAh):</source>
        <extracomment>Caption of the capacity the battery had when new, in milliampere-hours</extracomment>
        <translation>Pojemność projektowa (mAh):</translation>
    </message>
    <message>
        <source>Explain capacity</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about capacity</extracomment>
        <translation>Wyjaśnij pojemność</translation>
    </message>
    <message>
        <source>Full charge capacity (mAh):</source>
        <extracomment>Caption of the charge the battery holds today when full, in milliampere-hours, with its share of the design capacity</extracomment>
        <translation>Pełna pojemność (mAh):</translation>
    </message>
    <message>
        <source>Why does the capacity fall?</source>
        <extracomment>Title of the help about the battery capacity</extracomment>
        <translation>Dlaczego pojemność spada?</translation>
    </message>
    <message>
        <source>The design capacity is what the battery held when it was new; the full charge capacity is what it holds today when charged to the top. Every cycle, heat and long hours at full charge wear the cells a little, so the full charge capacity falls slowly over the years. The percentage compares both. A calibration lets the battery measure its full charge again, so the number you see matches the real one.</source>
        <extracomment>Help text about the design and the full charge capacity, for a Linux laptop owner</extracomment>
        <translation>Pojemność projektowa to tyle, ile bateria mieściła jako nowa; pojemność pełnego naładowania to tyle, ile mieści dziś po naładowaniu do pełna. Każdy cykl, ciepło i długie godziny przy pełnym naładowaniu zużywają nieco ogniwa, więc pojemność pełnego naładowania powoli spada z biegiem lat. Procent porównuje obie wartości. Kalibracja pozwala baterii ponownie zmierzyć pełne naładowanie, tak aby widoczna liczba odpowiadała rzeczywistej.</translation>
    </message>
    <message>
        <source>Capacity history:</source>
        <extracomment>Caption of the table of capacities recorded when the battery was full</extracomment>
        <translation>Historia pojemności:</translation>
    </message>
    <message>
        <source>Capacity history</source>
        <extracomment>Accessible name of the table of recorded capacities</extracomment>
        <translation>Historia pojemności</translation>
    </message>
    <message>
        <source>Ampra records the full charge capacity and the cycle count each time the battery is fully charged. The newest 100 records are listed.</source>
        <extracomment>Text under the capacity history table</extracomment>
        <translation>Ampra zapisuje pojemność pełnego naładowania i liczbę cykli za każdym razem, gdy bateria jest w pełni naładowana. Wyświetlanych jest 100 najnowszych wpisów.</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Zapisz historię pojemności i kalibracje jako plik CSV</translation>
    </message>
</context>
<context>
    <name>AMPChargeVC</name>
    <message>
        <source>Power source:</source>
        <extracomment>Caption of the row that tells whether the computer runs on its power adapter or on battery</extracomment>
        <translation>Źródło zasilania:</translation>
    </message>
    <message>
        <source>Battery status:</source>
        <extracomment>Caption of the row that tells whether the battery charges, is full or discharges</extracomment>
        <translation>Stan baterii:</translation>
    </message>
    <message>
        <source>Charge:</source>
        <extracomment>Caption of the row with the battery charge in percent</extracomment>
        <translation>Poziom naładowania:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <extracomment>Caption of the row with the time the battery lasts at the present use</extracomment>
        <translation>Pozostały czas:</translation>
    </message>
    <message>
        <source>chargevc_acpowersource_text</source>
        <extracomment>Text to show when the computer is connected to power</extracomment>
        <translation>Zasilacz</translation>
    </message>
    <message>
        <source>chargevc_charged_message</source>
        <extracomment>Message to display when battery is charged</extracomment>
        <translation>W pełni naładowana</translation>
    </message>
    <message>
        <source>Charging stops at %1</source>
        <extracomment>Battery status on mains when the laptop stops charging early (%1: a charge level such as 80%)</extracomment>
        <translation>Ładowanie kończy się przy %1</translation>
    </message>
    <message>
        <source>chargevc_charging_message</source>
        <extracomment>Message to display when battery is charging</extracomment>
        <translation>Ładowanie</translation>
    </message>
    <message>
        <source>chargevc_batterypowersource_text</source>
        <extracomment>Text to show when the computer is running on battery</extracomment>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>chargevc_discharging_message</source>
        <extracomment>Message to display when battery is discharging</extracomment>
        <translation>Rozładowywanie</translation>
    </message>
</context>
<context>
    <name>AMPHealthVC</name>
    <message>
        <source>Explain the lifespan</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about the battery lifespan</extracomment>
        <translation>Wyjaśnij żywotność</translation>
    </message>
    <message>
        <source>What do the lifespan and the health word mean?</source>
        <extracomment>Title of the help about the battery lifespan and health</extracomment>
        <translation>Co oznaczają żywotność i słowo o stanie?</translation>
    </message>
    <message>
        <source>A lithium-ion battery ages with use and with time. Its maker states a lifespan as a number of charge cycles after which it still keeps about 80% of its design capacity. The health word in the ring comes from the battery itself, through the Linux power supply driver: GOOD means it performs as designed, FAIR that it works with a reduced capacity, POOR that it can no longer deliver proper power, CHECK that the battery reports a fault and should be examined by a repair service. Many batteries report no health at all; the ring then shows &quot;-&quot;.</source>
        <extracomment>Help text about the battery lifespan and the health words, for a Linux laptop owner</extracomment>
        <translation>Bateria litowo-jonowa starzeje się wraz z użyciem i upływem czasu. Producent podaje jej żywotność jako liczbę cykli ładowania, po której nadal zachowuje około 80% pojemności projektowej. Słowo w pierścieniu pochodzi od samej baterii, przez sterownik zasilania Linuksa: DOBRY oznacza, że działa zgodnie z projektem, ŚREDNI, że działa ze zmniejszoną pojemnością, SŁABY, że nie może już dostarczać właściwego zasilania, SPRAWDŹ, że bateria zgłasza usterkę i powinien ją obejrzeć serwis. Wiele baterii w ogóle nie podaje stanu; pierścień pokazuje wtedy „-”.</translation>
    </message>
    <message>
        <source>no_data_forHealthLifespan_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about lifespan</extracomment>
        <translation>Ampra nie ma jeszcze odczytu żywotności tej baterii.</translation>
    </message>
    <message>
        <source>Lifespan: your Macbook battery is designed to retain up to 80%% of its original capacity and up to %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>Żywotność: bateria laptopa jest zaprojektowana tak, by zachować do 80% pierwotnej pojemności przez maksymalnie %1 cykli ładowania.</translation>
    </message>
    <message numerus="yes">
        <source>Your battery capacity is currently at %@, and you have done %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>
            <numerusform>Pojemność baterii wynosi obecnie %1, a wykonano %2 cykl ładowania.</numerusform>
            <numerusform>Pojemność baterii wynosi obecnie %1, a wykonano %2 cykle ładowania.</numerusform>
            <numerusform>Pojemność baterii wynosi obecnie %1, a wykonano %2 cykli ładowania.</numerusform>
        </translation>
    </message>
    <message>
        <source>no_data_forHealthCycles_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about cycles</extracomment>
        <translation>Ampra nie ma jeszcze liczby cykli ani pojemności tej baterii.</translation>
    </message>
    <message>
        <source>Currently we have no valid value to inform about the health of the installed power source.</source>
        <extracomment>Battery Heath ring explanation message for state unknown</extracomment>
        <translation>Bateria nie zgłosiła jeszcze swojego stanu.</translation>
    </message>
    <message>
        <source>&quot;-&quot; indicates that no information is given by the system regarding the battery health.</source>
        <extracomment>Battery Heath ring explanation message for state unknown of battery</extracomment>
        <translation>„-” oznacza, że system nie podaje żadnych informacji o stanie baterii.</translation>
    </message>
    <message>
        <source>&quot;POOR&quot; describe a power source that&apos;s not capable of providing proper power.</source>
        <extracomment>Battery Heath ring explanation message for state poor</extracomment>
        <translation>„SŁABY” opisuje baterię, która nie może już dostarczać właściwego zasilania.</translation>
    </message>
    <message>
        <source>&quot;FAIR&quot; describe a functional power source with limited capacity.</source>
        <extracomment>Battery Heath ring explanation message for state fair</extracomment>
        <translation>„ŚREDNI” opisuje działającą baterię o zmniejszonej pojemności.</translation>
    </message>
    <message>
        <source>&quot;GOOD&quot; indicates that the battery is healthy and performing well.</source>
        <extracomment>Battery Heath ring explanation message for state good</extracomment>
        <translation>„DOBRY” oznacza, że bateria jest sprawna i działa dobrze.</translation>
    </message>
    <message>
        <source>&quot;CHECK&quot; indicates that the battery should be checked out by a licensed Mac repair service.</source>
        <extracomment>Battery Heath ring explanation message for state check battery</extracomment>
        <translation>„SPRAWDŹ” oznacza, że bateria zgłasza usterkę i powinien ją sprawdzić serwis.</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAboutVC</name>
    <message>
        <source>app_version</source>
        <extracomment>Version</extracomment>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Title of the window with the libraries Ampra uses and their licences</extracomment>
        <translation>Podziękowania</translation>
    </message>
    <message>
        <source>Libraries and licences</source>
        <extracomment>Accessible name of the text of the acknowledgements</extracomment>
        <translation>Biblioteki i licencje</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the About page&apos;s picture shows, for screen readers</extracomment>
        <translation>Ikona Ampry</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAppearanceVC</name>
    <message>
        <source>Automatic</source>
        <extracomment>Panel colour: Ampra tells the panel&apos;s colour from the desktop</extracomment>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>Panel colour: the desktop panel is light, the icon is drawn dark</extracomment>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>Panel colour: the desktop panel is dark, the icon is drawn light</extracomment>
        <translation>Ciemny</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesGeneralVC</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <extracomment>Number of weeks to schedule a calibration</extracomment>
        <translation>
            <numerusform>%Ln tydzień</numerusform>
            <numerusform>%Ln tygodnie</numerusform>
            <numerusform>%Ln tygodni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesNotificationsVC</name>
    <message>
        <source>Don&apos;t remind me</source>
        <extracomment>The user does not want to be reminded to unplug the laptop</extracomment>
        <translation>Nie przypominaj</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <extracomment>Hours on mains power before the reminder to unplug</extracomment>
        <translation>
            <numerusform>%Ln godzina</numerusform>
            <numerusform>%Ln godziny</numerusform>
            <numerusform>%Ln godzin</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesTabVC</name>
    <message>
        <source>Ampra Preferences</source>
        <extracomment>Title of the preferences window</extracomment>
        <translation>Preferencje Ampra</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesWindow</name>
    <message>
        <source>General</source>
        <extracomment>Title of the General page of the preferences</extracomment>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Calibrate every:</source>
        <extracomment>Label of the list of calibration intervals in the preferences</extracomment>
        <translation>Kalibruj co:</translation>
    </message>
    <message>
        <source>Calibration interval</source>
        <extracomment>Accessible name of the list of calibration intervals</extracomment>
        <translation>Odstęp między kalibracjami</translation>
    </message>
    <message>
        <source>Ampra reminds you when the next battery calibration is due.</source>
        <extracomment>Explanation under the list of calibration intervals</extracomment>
        <translation>Ampra przypomina, kiedy przypada następna kalibracja baterii.</translation>
    </message>
    <message>
        <source>Startup:</source>
        <extracomment>Label of the start-at-login check box in the preferences</extracomment>
        <translation>Uruchamianie:</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box that starts Ampra with the desktop session</extracomment>
        <translation>Uruchamiaj Ampra po zalogowaniu</translation>
    </message>
    <message>
        <source>Energy:</source>
        <extracomment>Label of the button that opens the desktop power settings</extracomment>
        <translation>Energia:</translation>
    </message>
    <message>
        <source>Open Power Settings…</source>
        <extracomment>Button that opens the power settings of the desktop</extracomment>
        <translation>Otwórz ustawienia zasilania…</translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Title of the Notifications page of the preferences</extracomment>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>Remind to unplug after:</source>
        <extracomment>Label of the list of unplug reminder intervals</extracomment>
        <translation>Przypominaj o odłączeniu po:</translation>
    </message>
    <message>
        <source>Unplug reminder</source>
        <extracomment>Accessible name of the list of unplug reminder intervals</extracomment>
        <translation>Przypomnienie o odłączeniu</translation>
    </message>
    <message>
        <source>Time on mains power with the battery above 80 % before Ampra reminds you to unplug.</source>
        <extracomment>Explanation under the list of unplug reminder intervals</extracomment>
        <translation>Czas pracy z zasilacza przy naładowaniu powyżej 80%, po którym Ampra przypomni o odłączeniu.</translation>
    </message>
    <message>
        <source>Notify:</source>
        <extracomment>Label of the notification check boxes in the preferences</extracomment>
        <translation>Powiadamiaj:</translation>
    </message>
    <message>
        <source>When the power source changes</source>
        <extracomment>Check box: notify when the computer switches between mains and battery</extracomment>
        <translation>Gdy zmienia się źródło zasilania</translation>
    </message>
    <message>
        <source>When the charge falls under</source>
        <extracomment>Check box: notify when the charge falls under the level beside it</extracomment>
        <translation>Gdy poziom naładowania spadnie poniżej</translation>
    </message>
    <message>
        <source>Low charge level</source>
        <extracomment>Accessible name of the low charge level</extracomment>
        <translation>Niski poziom naładowania</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Title of the Appearance page of the preferences</extracomment>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Tray item:</source>
        <extracomment>Label of the check boxes that choose what the tray item shows</extracomment>
        <translation>Element zasobnika:</translation>
    </message>
    <message>
        <source>Show the battery icon</source>
        <extracomment>Check box: the tray item shows the battery icon</extracomment>
        <translation>Pokazuj ikonę baterii</translation>
    </message>
    <message>
        <source>Show the charge percentage</source>
        <extracomment>Check box: the tray item shows the charge in percent</extracomment>
        <translation>Pokazuj procent naładowania</translation>
    </message>
    <message>
        <source>Show the remaining time</source>
        <extracomment>Check box: the tray item shows the time left to full or empty</extracomment>
        <translation>Pokazuj pozostały czas</translation>
    </message>
    <message>
        <source>Draw the battery upright</source>
        <extracomment>Check box: the tray icon&apos;s battery stands upright instead of lying</extracomment>
        <translation>Rysuj baterię pionowo</translation>
    </message>
    <message>
        <source>Draw the battery in colour</source>
        <extracomment>Check box: the tray icon shows the charge in green, orange or red</extracomment>
        <translation>Rysuj baterię w kolorze</translation>
    </message>
    <message>
        <source>Show the percentage inside the icon</source>
        <extracomment>Check box: the charge in percent is written inside the tray icon, for panels that show no text beside icons</extracomment>
        <translation>Pokazuj procent wewnątrz ikony</translation>
    </message>
    <message>
        <source>Panel:</source>
        <extracomment>Label of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Panel:</translation>
    </message>
    <message>
        <source>Panel colour</source>
        <extracomment>Accessible name of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Kolor panelu</translation>
    </message>
    <message>
        <source>Ampra draws the icon to suit the panel. Choose Light or Dark if it guesses wrong.</source>
        <extracomment>Explanation under the list of panel colours</extracomment>
        <translation>Ampra rysuje ikonę dopasowaną do panelu. Wybierz Jasny lub Ciemny, jeśli źle zgadnie.</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Title of the About page of the preferences</extracomment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Keeps your laptop battery healthy.</source>
        <extracomment>One line under the version on the About page</extracomment>
        <translation>Dba o zdrowie baterii twojego laptopa.</translation>
    </message>
    <message>
        <source>Show Tutorial</source>
        <extracomment>Button on the About page that opens the tutorial again</extracomment>
        <translation>Pokaż samouczek</translation>
    </message>
    <message>
        <source>Help Centre</source>
        <extracomment>Button on the About page that opens the online help in the browser</extracomment>
        <translation>Centrum pomocy</translation>
    </message>
    <message>
        <source>Report a Problem…</source>
        <extracomment>Button on the About page that writes a problem report with the log attached</extracomment>
        <translation>Zgłoś problem…</translation>
    </message>
    <message>
        <source>Contact Us…</source>
        <extracomment>Button on the About page that writes a mail to the developers</extracomment>
        <translation>Skontaktuj się z nami…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Button on the About page that shows the libraries Ampra uses and their licences</extracomment>
        <translation>Podziękowania</translation>
    </message>
    <message>
        <source>Charge limit:</source>
        <extracomment>Label of the check box that lifts the laptop&apos;s charge limit for calibrations</extracomment>
        <translation>Limit ładowania:</translation>
    </message>
    <message>
        <source>Always for calibrations</source>
        <extracomment>Check box: lift the laptop&apos;s charge limit for every calibration without asking</extracomment>
        <translation>Zawsze przy kalibracji</translation>
    </message>
    <message>
        <source>A calibration needs a full charge. Ampra lifts the laptop&apos;s charge limit until the calibration ends, then switches it on again.</source>
        <extracomment>Explanation under the check box that lifts the charge limit for calibrations</extracomment>
        <translation>Kalibracja wymaga pełnego naładowania. Ampra znosi limit ładowania laptopa do końca kalibracji, a potem włącza go ponownie.</translation>
    </message>
</context>
<context>
    <name>AMPStepInfoVC</name>
    <message>
        <source>Time left in this step:</source>
        <extracomment>Caption before the time the current calibration step still lasts</extracomment>
        <translation>Czas pozostały w tym kroku:</translation>
    </message>
</context>
<context>
    <name>AMPStepsVC</name>
    <message>
        <source>Calibration steps</source>
        <extracomment>Accessible name of the strip of the six calibration steps</extracomment>
        <translation>Kroki kalibracji</translation>
    </message>
    <message>
        <source>Use the left and right arrow keys to read the instructions of each step.</source>
        <extracomment>Accessible description of the calibration step strip</extracomment>
        <translation>Użyj strzałek w lewo i w prawo, aby przeczytać instrukcje każdego kroku.</translation>
    </message>
    <message>
        <source>Plug in</source>
        <extracomment>Title of calibration step 1, under its tab; one short word</extracomment>
        <translation>Podłącz</translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>Title of calibration step 2, under its tab; one short word</extracomment>
        <translation>Czekaj</translation>
    </message>
    <message>
        <source>Unplug</source>
        <extracomment>Title of calibration step 3, under its tab; one short word</extracomment>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>Drain</source>
        <extracomment>Title of calibration step 4, under its tab; one short word</extracomment>
        <translation>Rozładuj</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>Title of calibration step 5, under its tab; one short word</extracomment>
        <translation>Odpocznij</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Title of calibration step 6, under its tab; one short word</extracomment>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>The state of a calibration step that is behind the user</extracomment>
        <translation>wykonano</translation>
    </message>
    <message>
        <source>current step</source>
        <extracomment>The state of the calibration step the user is in</extracomment>
        <translation>bieżący krok</translation>
    </message>
    <message>
        <source>finished</source>
        <extracomment>The state of the last calibration step once the calibration is complete</extracomment>
        <translation>zakończono</translation>
    </message>
    <message>
        <source>not done yet</source>
        <extracomment>The state of a calibration step still to come</extracomment>
        <translation>jeszcze nie wykonano</translation>
    </message>
    <message>
        <source>Step %1 of %2, %3: %4</source>
        <extracomment>A calibration step for screen readers (%1: its number, %2: the number of steps, %3: its title, %4: its state), as in &quot;Step 2 of 6, Wait: done&quot;</extracomment>
        <translation>Krok %1 z %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>AMPSummaryMasterVC</name>
    <message>
        <source>Settings</source>
        <extracomment>Tooltip of the button that opens the settings menu
----------
Name of the settings menu button for screen readers</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Charge</source>
        <extracomment>Caption under the charge ring</extracomment>
        <translation>Naładowanie</translation>
    </message>
    <message>
        <source>Capacity</source>
        <extracomment>Caption under the capacity ring</extracomment>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Caption under the battery health ring</extracomment>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Days to calibration</source>
        <extracomment>Caption under the ring with the days until the next calibration</extracomment>
        <translation>Dni do kalibracji</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Settings menu item that opens the preferences window</extracomment>
        <translation>Preferencje…</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <extracomment>Settings menu item that opens the tutorial window</extracomment>
        <translation>Samouczek</translation>
    </message>
    <message>
        <source>Quit Ampra</source>
        <extracomment>Settings menu item that quits the application</extracomment>
        <translation>Zakończ Ampra</translation>
    </message>
    <message>
        <source>AMPRA</source>
        <extracomment>The application&apos;s name in the popover&apos;s title bar</extracomment>
        <translation>AMPRA</translation>
    </message>
    <message>
        <source>No battery found.
Ampra shows its readings once a battery is present.</source>
        <extracomment>Shown over the rings when the computer has no battery</extracomment>
        <translation>Nie znaleziono baterii.
Ampra pokaże odczyty, gdy tylko pojawi się bateria.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A ring&apos;s name for screen readers: its caption, then the text in the ring (&quot;Charge 73%&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>AMPTutorialPageController</name>
    <message>
        <source>Welcome to Ampra</source>
        <extracomment>Title of the tutorial window</extracomment>
        <translation>Witaj w Ampra</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Where the reader is in the tutorial, as in &quot;2 of 3&quot;</extracomment>
        <translation>%L1 z %L2</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the first tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Ikona Ampry</translation>
    </message>
    <message>
        <source>A battery inside a circling arrow</source>
        <extracomment>What the second tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Bateria wewnątrz okrężnej strzałki</translation>
    </message>
    <message>
        <source>A check mark in a green circle</source>
        <extracomment>What the last tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Znacznik wyboru w zielonym kółku</translation>
    </message>
</context>
<context>
    <name>AMPTutorialWindow</name>
    <message>
        <source>Welcome to Ampra</source>
        <extracomment>Title of the first tutorial page</extracomment>
        <translation>Witaj w Ampra</translation>
    </message>
    <message>
        <source>Ampra lives in the tray of your panel. Its icon shows how full the battery is; click it to see the charge, the capacity, the health and the days until the next calibration.</source>
        <extracomment>Text of the first tutorial page</extracomment>
        <translation>Ampra mieszka w zasobniku systemowym panelu. Jej ikona pokazuje, jak bardzo naładowana jest bateria; kliknij ją, aby zobaczyć poziom naładowania, pojemność, stan i liczbę dni do następnej kalibracji.</translation>
    </message>
    <message>
        <source>Calibrate now and then</source>
        <extracomment>Title of the second tutorial page</extracomment>
        <translation>Kalibruj od czasu do czasu</translation>
    </message>
    <message>
        <source>Every few weeks Ampra guides you through a calibration: charge to full, stay on mains power for two hours, run the battery down, then let the laptop sleep for five hours. A notification tells you each step. Ampra also reminds you to unplug when the laptop has been on mains power for too long.</source>
        <extracomment>Text of the second tutorial page</extracomment>
        <translation>Co kilka tygodni Ampra przeprowadzi cię przez kalibrację: naładuj do pełna, zostań na zasilaczu przez dwie godziny, rozładuj baterię, a potem uśpij laptopa na pięć godzin. Powiadomienie poinformuje cię o każdym kroku. Ampra przypomina też o odłączeniu zasilacza, gdy laptop jest do niego podłączony zbyt długo.</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box on the tutorial that starts Ampra with the desktop session</extracomment>
        <translation>Uruchamiaj Ampra po zalogowaniu</translation>
    </message>
    <message>
        <source>All set</source>
        <extracomment>Title of the last tutorial page</extracomment>
        <translation>Wszystko gotowe</translation>
    </message>
    <message>
        <source>Ampra is ready. Choose what the tray item shows and when Ampra reminds you in the preferences, from the settings menu of Ampra&apos;s window.</source>
        <extracomment>Text of the last tutorial page</extracomment>
        <translation>Ampra jest gotowa. W preferencjach, dostępnych z menu ustawień okna Ampra, wybierz, co pokazuje element zasobnika i kiedy Ampra ci przypomina.</translation>
    </message>
    <message>
        <source>Start Using Ampra</source>
        <extracomment>Last button of the tutorial: closes it and opens Ampra&apos;s window</extracomment>
        <translation>Zacznij korzystać z Ampra</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Tutorial button to the previous page</extracomment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tutorial button to the next page</extracomment>
        <translation>Dalej</translation>
    </message>
</context>
<context>
    <name>BackgroundPortalLoginItem</name>
    <message>
        <source>Ampra watches the battery and reminds you of calibration steps from the moment you log in.</source>
        <extracomment>Why Ampra asks to run in the background, shown by the desktop&apos;s permission dialog</extracomment>
        <translation>Ampra obserwuje baterię i przypomina o krokach kalibracji od chwili zalogowania.</translation>
    </message>
</context>
<context>
    <name>BatteryDataHijackWC</name>
    <message>
        <source>&amp;Override the battery readings</source>
        <extracomment>Check box of the developer window: while on, Ampra takes the values below instead of the battery&apos;s readings</extracomment>
        <translation>&amp;Zastąp odczyty baterii</translation>
    </message>
    <message>
        <source>While this is on, Ampra takes the values below instead of what the battery reports; the cycle count and the capacities keep their last real readings.</source>
        <extracomment>Explanation under the check box of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Gdy ta opcja jest włączona, Ampra używa poniższych wartości zamiast tego, co podaje bateria; liczba cykli i pojemności zachowują ostatnie rzeczywiste odczyty.</translation>
    </message>
    <message>
        <source>&amp;Charge:</source>
        <extracomment>Label of the charge slider in the developer window</extracomment>
        <translation>&amp;Naładowanie:</translation>
    </message>
    <message>
        <source>Charge in percent</source>
        <extracomment>Accessible name of the charge slider in the developer window</extracomment>
        <translation>Naładowanie w procentach</translation>
    </message>
    <message>
        <source>&amp;Phase:</source>
        <extracomment>Label of the list of charge-cycle phases in the developer window</extracomment>
        <translation>&amp;Faza:</translation>
    </message>
    <message>
        <source>Charge-cycle phase</source>
        <extracomment>Accessible name of the list of charge-cycle phases in the developer window</extracomment>
        <translation>Faza cyklu ładowania</translation>
    </message>
    <message>
        <source>Po&amp;wer source:</source>
        <extracomment>Label of the power-source list in the developer window</extracomment>
        <translation>Źródło &amp;zasilania:</translation>
    </message>
    <message>
        <source>Power source</source>
        <extracomment>Accessible name of the power-source list in the developer window</extracomment>
        <translation>Źródło zasilania</translation>
    </message>
    <message>
        <source>&amp;Health:</source>
        <extracomment>Label of the battery health list in the developer window</extracomment>
        <translation>&amp;Stan:</translation>
    </message>
    <message>
        <source>Battery health</source>
        <extracomment>Accessible name of the battery health list in the developer window</extracomment>
        <translation>Stan baterii</translation>
    </message>
    <message>
        <source>Phase 0: Starting to charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Faza 0: początek ładowania</translation>
    </message>
    <message>
        <source>Phase 1: Charging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Faza 1: ładowanie</translation>
    </message>
    <message>
        <source>Phase 2: Finishing Charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Faza 2: koniec ładowania</translation>
    </message>
    <message>
        <source>Phase 3: Charged</source>
        <extracomment>Item of the phase list in the battery override window: the battery is full</extracomment>
        <translation>Faza 3: naładowana</translation>
    </message>
    <message>
        <source>Phase 4: Starting discharge</source>
        <extracomment>Item of the phase list in the battery override window: just unplugged</extracomment>
        <translation>Faza 4: początek rozładowania</translation>
    </message>
    <message>
        <source>Phase 5: Discharging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Faza 5: rozładowywanie</translation>
    </message>
    <message>
        <source>Phase 6: Finishing discharge</source>
        <extracomment>Item of the phase list in the battery override window: the battery is nearly empty</extracomment>
        <translation>Faza 6: koniec rozładowania</translation>
    </message>
    <message>
        <source>AC Power</source>
        <extracomment>Item of the power-source list in the battery override window: on mains power</extracomment>
        <translation>Zasilanie sieciowe</translation>
    </message>
    <message>
        <source>Battery Power</source>
        <extracomment>Item of the power-source list in the battery override window</extracomment>
        <translation>Zasilanie z baterii</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Dobry</translation>
    </message>
    <message>
        <source>Fair</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Poor</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Słaby</translation>
    </message>
    <message>
        <source>Check Battery</source>
        <extracomment>Item of the health list in the battery override window: the system asks for a service</extracomment>
        <translation>Sprawdź baterię</translation>
    </message>
    <message>
        <source>Wrong Value</source>
        <extracomment>Item of the health list in the battery override window: a health the system never gives</extracomment>
        <translation>Błędna wartość</translation>
    </message>
    <message>
        <source>Battery Override</source>
        <extracomment>Title of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Zastąpienie baterii</translation>
    </message>
</context>
<context>
    <name>BatteryManager</name>
    <message>
        <source>Calibration Done!!</source>
        <extracomment>Guide Message on state CalibrationDone.</extracomment>
        <translation>Kalibracja zakończona!</translation>
    </message>
    <message>
        <source>Plug your Mac to fully charge it.</source>
        <extracomment>Guide Message on state InitCalibration.</extracomment>
        <translation>Podłącz komputer i naładuj go do pełna.</translation>
    </message>
    <message>
        <source>Keep your Mac Conected for a while.</source>
        <extracomment>Guide Message on state FullyCharged.</extracomment>
        <translation>Nie odłączaj komputera jeszcze przez chwilę.</translation>
    </message>
    <message>
        <source>You can disconnect your power adapter.</source>
        <extracomment>Guide Message on state DisconnectAdapter.</extracomment>
        <translation>Możesz odłączyć zasilacz.</translation>
    </message>
    <message>
        <source>Allow your Mac to sleep or switch it off.</source>
        <extracomment>Guide Message on state TurnItOff.</extracomment>
        <translation>Uśpij lub wyłącz komputer.</translation>
    </message>
</context>
<context>
    <name>CapacityChart</name>
    <message>
        <source>Capacity over time</source>
        <extracomment>Accessible name of the chart of the full charge capacity over time</extracomment>
        <translation>Pojemność w czasie</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 the full charge capacity went from %3 to %4 mAh; %n calibration(s) marked.</source>
        <extracomment>Accessible description of the capacity chart: first and last date, first and last capacity in mAh, and how many calibrations it marks</extracomment>
        <translation>
            <numerusform>Od %1 do %2 pojemność pełnego naładowania zmieniła się z %3 na %4 mAh; zaznaczono %n kalibrację.</numerusform>
            <numerusform>Od %1 do %2 pojemność pełnego naładowania zmieniła się z %3 na %4 mAh; zaznaczono %n kalibracje.</numerusform>
            <numerusform>Od %1 do %2 pojemność pełnego naładowania zmieniła się z %3 na %4 mAh; zaznaczono %n kalibracji.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh</source>
        <extracomment>Tooltip of a point of the capacity chart without a cycle count: its date and capacity</extracomment>
        <translation>%1
Pojemność: %2 mAh</translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh
Cycles: %3</source>
        <extracomment>Tooltip of a point of the capacity chart: its date, capacity and cycle count</extracomment>
        <translation>%1
Pojemność: %2 mAh
Cykle: %3</translation>
    </message>
    <message>
        <source>Full charge</source>
        <extracomment>Legend of the capacity chart&apos;s line of full charge capacities</extracomment>
        <translation>Pełne naładowanie</translation>
    </message>
    <message>
        <source>Design</source>
        <extracomment>Legend of the capacity chart&apos;s line at the design capacity</extracomment>
        <translation>Projektowa</translation>
    </message>
    <message>
        <source>Calibration</source>
        <extracomment>Legend of the capacity chart&apos;s marks of completed calibrations</extracomment>
        <translation>Kalibracja</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print what the power supply files say about the main battery, and leave.</source>
        <extracomment>Help for &quot;ampra --print-battery&quot;</extracomment>
        <translation>Wypisuje, co pliki zasilania mówią o głównej baterii, i kończy działanie.</translation>
    </message>
    <message>
        <source>Write the capacity history and the calibrations to FILE as CSV, or to the standard output when FILE is -, and leave.</source>
        <extracomment>Help for &quot;ampra --export-history FILE&quot;</extracomment>
        <translation>Zapisuje historię pojemności i kalibracje do PLIKU jako CSV lub na standardowe wyjście, gdy PLIK to -, i kończy działanie.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>Placeholder for the file name in &quot;ampra --help&quot;</extracomment>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>Start with a window that replaces the battery&apos;s readings with values set by hand, also on a computer without a battery.</source>
        <extracomment>Help for &quot;ampra --override-battery&quot;, a facility for developers</extracomment>
        <translation>Uruchamia z oknem, które zastępuje odczyty baterii wartościami ustawionymi ręcznie, także na komputerze bez baterii.</translation>
    </message>
    <message>
        <source>Ampra keeps an eye on your laptop&apos;s battery from the system tray.</source>
        <extracomment>Shown by &quot;ampra --help&quot; under the usage line</extracomment>
        <translation>Ampra czuwa nad baterią twojego laptopa z zasobnika systemowego.</translation>
    </message>
    <message>
        <source>Open the preferences window, in the Ampra that runs if there is one.</source>
        <extracomment>Help for &quot;ampra --preferences&quot;</extracomment>
        <translation>Otwiera okno preferencji w działającej już Ampra, jeśli taka jest.</translation>
    </message>
    <message>
        <source>--export-history cannot be combined with --print-battery, --override-battery or --preferences.</source>
        <extracomment>Printed when &quot;ampra --export-history&quot; is given with another option that does something else</extracomment>
        <translation>Opcji --export-history nie można łączyć z --print-battery, --override-battery ani --preferences.</translation>
    </message>
    <message>
        <source>Load every picture Ampra shows, name those that do not load, and leave.</source>
        <extracomment>Help for &quot;ampra --check-resources&quot;, a check for packagers</extracomment>
        <translation>Wczytaj wszystkie obrazy wyświetlane przez Ampra, wymień te, których nie da się wczytać, i zakończ.</translation>
    </message>
</context>
<context>
    <name>DetailViewTexts</name>
    <message>
        <source>no_data_text</source>
        <extracomment>Text to show when there is no data yet from the battery</extracomment>
        <translation>Oczekiwanie na baterię…</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage (%1: a whole number, 57 for 57 percent); write the percent sign as your language does, with a no-break space before it if it takes a space</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Charging to %1 for the calibration, the %2 limit comes back afterwards</source>
        <extracomment>The battery status while Ampra has lifted the laptop&apos;s charge limit for a calibration (%1: 100%, %2: the limit, a charge level such as 80%)</extracomment>
        <translation>Ładowanie do %1 na czas kalibracji, limit %2 wróci potem</translation>
    </message>
</context>
<context>
    <name>HistoryExportDialog</name>
    <message>
        <source>Export Failed</source>
        <extracomment>Title of the message box when the history could not be exported</extracomment>
        <translation>Eksport nie powiódł się</translation>
    </message>
    <message>
        <source>The battery history could not be read.</source>
        <extracomment>Shown when the history is to be exported but the data store did not open</extracomment>
        <translation>Nie można odczytać historii baterii.</translation>
    </message>
    <message>
        <source>Export Battery History</source>
        <extracomment>Title of the file dialog that saves the battery history</extracomment>
        <translation>Eksportuj historię baterii</translation>
    </message>
    <message>
        <source>ampra-history.csv</source>
        <extracomment>Suggested file name of the exported battery history</extracomment>
        <translation>historia-ampra.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>File type filter of the file dialog that saves the battery history</extracomment>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The battery history could not be exported.

%1</source>
        <extracomment>Shown when the history could not be exported; %1 is the reason, in English</extracomment>
        <translation>Nie można wyeksportować historii baterii.

%1</translation>
    </message>
</context>
<context>
    <name>MailSupportHandler</name>
    <message>
        <source>type your subject here</source>
        <extracomment>Support eMail subject</extracomment>
        <translation>wpisz tutaj temat</translation>
    </message>
    <message>
        <source>Hi Vantrel,</source>
        <extracomment>Support eMail body greeting</extracomment>
        <translation>Cześć Vantrel,</translation>
    </message>
    <message>
        <source>type your message here</source>
        <extracomment>Support eMail body content</extracomment>
        <translation>wpisz tutaj swoją wiadomość</translation>
    </message>
    <message>
        <source>NOTE: The attached report files do NOT contain any personal information</source>
        <extracomment>Support eMail body attachement warnings</extracomment>
        <translation>UWAGA: załączone pliki raportu NIE zawierają żadnych danych osobowych</translation>
    </message>
</context>
<context>
    <name>MessageBoxErrorPresenter</name>
    <message>
        <source>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</source>
        <extracomment>Shown when the file with the calibration and capacity history cannot be opened</extracomment>
        <translation>Ampra nie może otworzyć pliku, w którym przechowuje historię. Działa dalej bez zapisywania kalibracji i odczytów pojemności.</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source>Change on power source</source>
        <extracomment>Title of the power source change notification</extracomment>
        <translation>Zmiana źródła zasilania</translation>
    </message>
    <message>
        <source>Now running on AC</source>
        <extracomment>Subtitle of the power source change notification when running on AC</extracomment>
        <translation>Teraz zasilanie sieciowe</translation>
    </message>
    <message>
        <source>Now running on battery</source>
        <extracomment>Subtitle of the power source change notification when running on battery</extracomment>
        <translation>Teraz zasilanie z baterii</translation>
    </message>
    <message>
        <source>Low battery</source>
        <extracomment>Title of the low battery notification</extracomment>
        <translation>Niski poziom baterii</translation>
    </message>
    <message>
        <source>Battery charge is under %u %%</source>
        <extracomment>Subtitle of the low battery notification (%1: the charge level crossed, a number from 1 to 100; write the percent sign as your language does)</extracomment>
        <translation>Poziom naładowania baterii jest poniżej %1%</translation>
    </message>
    <message>
        <source>Unplug your mac</source>
        <extracomment>Title of the notification for long connection time</extracomment>
        <translation>Odłącz komputer</translation>
    </message>
    <message>
        <source>You have been connected for too long</source>
        <extracomment>Subtitle of the notification for long connection time</extracomment>
        <translation>Komputer jest podłączony do zasilania zbyt długo</translation>
    </message>
    <message>
        <source>Calibration process:</source>
        <extracomment>Title of the notification for Calibration Proces</extracomment>
        <translation>Kalibracja baterii</translation>
    </message>
    <message>
        <source>Ampra runs without a tray icon</source>
        <extracomment>Title of the notification shown when the desktop has no tray for Ampra&apos;s icon</extracomment>
        <translation>Ampra działa bez ikony w zasobniku</translation>
    </message>
    <message>
        <source>Open it again from the applications menu. On GNOME, a tray needs the AppIndicator extension.</source>
        <extracomment>Body of the notification shown when the desktop has no tray for Ampra&apos;s icon; &quot;AppIndicator&quot; is the name of a GNOME Shell extension</extracomment>
        <translation>Otwórz ją ponownie z menu aplikacji. W GNOME zasobnik wymaga rozszerzenia AppIndicator.</translation>
    </message>
    <message>
        <source>The calibration needs a full charge</source>
        <extracomment>Title of the notification that offers to lift the laptop&apos;s charge limit for a calibration</extracomment>
        <translation>Kalibracja wymaga pełnego naładowania</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1. Ampra can lift the limit until the calibration ends and then switch it on again.</source>
        <extracomment>Body of the notification that offers to lift the laptop&apos;s charge limit (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Ten laptop przestaje się ładować przy %1. Ampra może znieść limit do końca kalibracji, a potem włączyć go ponownie.</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The notification&apos;s button that lifts the charge limit for the calibration under way (%1: 100%)</extracomment>
        <translation>Naładuj do %1 na czas tej kalibracji</translation>
    </message>
</context>
<context>
    <name>PopoverWindow</name>
    <message>
        <source>Ampra</source>
        <extracomment>The popover&apos;s window name for screen readers: the application&apos;s name</extracomment>
        <translation>Ampra</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdater</name>
    <message>
        <source>A new version of Ampra is available</source>
        <extracomment>Title of the notification that a new version is out</extracomment>
        <translation>Dostępna jest nowa wersja Ampra</translation>
    </message>
    <message>
        <source>Ampra %1 is out. You have %2.</source>
        <extracomment>Body of the notification that a new version is out; %1 the new version, %2 the running one</extracomment>
        <translation>Ukazała się Ampra %1. Masz wersję %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Action of the new version notification that opens the download page</extracomment>
        <translation>Pobierz</translation>
    </message>
</context>
<context>
    <name>StatusBarC</name>
    <message>
        <source>Ampra — %1</source>
        <extracomment>Tooltip of the tray icon, also the only line some panels show on hover; %1 is the charge and the time left, as &quot;70% (2:05)&quot;</extracomment>
        <translation>Ampra – %1</translation>
    </message>
</context>
<context>
    <name>SummaryRings</name>
    <message>
        <source>POOR</source>
        <extracomment>Battery Heath ring message for state poor</extracomment>
        <translation>SŁABY</translation>
    </message>
    <message>
        <source>FAIR</source>
        <extracomment>Battery Heath ring message for state fair</extracomment>
        <translation>ŚREDNI</translation>
    </message>
    <message>
        <source>GOOD</source>
        <extracomment>Battery Heath ring message for state good</extracomment>
        <translation>DOBRY</translation>
    </message>
    <message>
        <source>CHECK</source>
        <extracomment>Battery Heath ring message for state check battery</extracomment>
        <translation>SPRAWDŹ</translation>
    </message>
    <message>
        <source>-</source>
        <extracomment>Battery Heath ring message for state Unknown</extracomment>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>TrayStatusItemHost</name>
    <message>
        <source>Open Ampra</source>
        <extracomment>Item of the tray icon&apos;s menu that opens Ampra&apos;s window, as a click on the icon does</extracomment>
        <translation>Otwórz Ampra</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Item of the tray icon&apos;s menu that opens the preferences window</extracomment>
        <translation>Preferencje…</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Item of the tray icon&apos;s menu that ends Ampra</extracomment>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>UpdateAlert</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the dialog that answers a check for updates</extracomment>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <extracomment>Headline of the update dialog when no newer version exists</extracomment>
        <translation>Masz najnowszą wersję!</translation>
    </message>
    <message>
        <source>Ampra %1 is currently the newest version available.</source>
        <extracomment>Text of the update dialog when no newer version exists; %1 the running version</extracomment>
        <translation>Ampra %1 to obecnie najnowsza dostępna wersja.</translation>
    </message>
    <message>
        <source>Ampra %1 is now available. You have %2.</source>
        <extracomment>Text of the update dialog when a newer version exists; %1 the new version, %2 the running one</extracomment>
        <translation>Ampra %1 jest już dostępna. Masz wersję %2.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <extracomment>Link to the release notes in the update dialog</extracomment>
        <translation>Informacje o wydaniu</translation>
    </message>
    <message>
        <source>A new version of Ampra is available!</source>
        <extracomment>Headline of the update dialog when a newer version exists</extracomment>
        <translation>Dostępna jest nowa wersja Ampra!</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Button of the update dialog that opens the download page</extracomment>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog that closes it without downloading</extracomment>
        <translation>Później</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <extracomment>Headline of the update dialog when the check failed</extracomment>
        <translation>Błąd aktualizacji!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <extracomment>Text of the update dialog when the check failed</extracomment>
        <translation>Podczas pobierania informacji o aktualizacji wystąpił błąd. Spróbuj ponownie później.</translation>
    </message>
</context>
<context>
    <name>WebVersionSupport</name>
    <message>
        <source>Check for update...</source>
        <extracomment>Check for update menu item</extracomment>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The battery could not be read.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; when the power supply files cannot be read</extracomment>
        <translation>Nie można odczytać baterii.</translation>
    </message>
    <message>
        <source>No battery found.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; on a computer without a battery</extracomment>
        <translation>Nie znaleziono baterii.</translation>
    </message>
    <message>
        <source>The history was not exported: %1</source>
        <extracomment>Printed by &quot;ampra --export-history FILE&quot; when it fails; %1 is the reason, in English</extracomment>
        <translation>Historia nie została wyeksportowana: %1</translation>
    </message>
    <message>
        <source>%1 does not load: %2</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot;; %1 is a picture&apos;s path, %2 the reason, in English</extracomment>
        <translation>Nie można wczytać %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) load.</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot; at the end</extracomment>
        <translation>
            <numerusform>Wczytano %n obraz.</numerusform>
            <numerusform>Wczytano %n obrazy.</numerusform>
            <numerusform>Wczytano %n obrazów.</numerusform>
        </translation>
    </message>
</context>
</TS>
