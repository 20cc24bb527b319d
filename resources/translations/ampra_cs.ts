<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AMPCalibrationTableDataProvider</name>
    <message>
        <source>Date</source>
        <extracomment>Heading of the calibration history&apos;s column of dates</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Capacity (mAh)</source>
        <extracomment>Heading of the calibration history&apos;s column of capacities (mAh, share of the design)</extracomment>
        <translation>Kapacita (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Heading of the calibration history&apos;s column of charge cycles</extracomment>
        <translation>Cykly</translation>
    </message>
</context>
<context>
    <name>AMPCalibrationVC</name>
    <message>
        <source>Next calibration:</source>
        <extracomment>Caption before the date of the next calibration</extracomment>
        <translation>Příští kalibrace:</translation>
    </message>
    <message>
        <source>About the next calibration</source>
        <extracomment>Accessible name of the button that opens the help about the next calibration date</extracomment>
        <translation>O příští kalibraci</translation>
    </message>
    <message>
        <source>When is the next calibration?</source>
        <extracomment>Title of the first help paragraph about the next calibration date</extracomment>
        <translation>Kdy je příští kalibrace?</translation>
    </message>
    <message>
        <source>Not a good moment?</source>
        <extracomment>Title of the second help paragraph about the next calibration date</extracomment>
        <translation>Teď se to nehodí?</translation>
    </message>
    <message>
        <source>You can change how often Ampra suggests a calibration in the Preferences.</source>
        <extracomment>Closing line of the help about the next calibration date</extracomment>
        <translation>V Předvolbách můžete změnit, jak často Ampra kalibraci navrhuje.</translation>
    </message>
    <message>
        <source>About calibration</source>
        <extracomment>Accessible name of the button that opens the help about calibration</extracomment>
        <translation>O kalibraci</translation>
    </message>
    <message>
        <source>Why calibrate?</source>
        <extracomment>Title of the first help paragraph about calibration</extracomment>
        <translation>Proč kalibrovat?</translation>
    </message>
    <message>
        <source>The battery&apos;s gauge estimates how much charge is left. Taking the battery from full to almost empty lets it measure its capacity again, so that the percentage and the time estimates stay accurate.</source>
        <extracomment>First help paragraph about calibration</extracomment>
        <translation>Ukazatel baterie odhaduje, kolik energie zbývá. Vybití baterie z plného stavu téměř do prázdna jí umožní znovu změřit kapacitu, aby procenta a odhady času zůstaly přesné.</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <extracomment>Title of the second help paragraph about calibration</extracomment>
        <translation>Jak to funguje?</translation>
    </message>
    <message>
        <source>Good to know</source>
        <extracomment>Title of the third help paragraph about calibration</extracomment>
        <translation>Dobré vědět</translation>
    </message>
    <message>
        <source>If the charger is plugged in too early, the calibration starts again at step 1. You never need to tell Ampra which step you are in: it follows the battery by itself.</source>
        <extracomment>Third help paragraph about calibration</extracomment>
        <translation>Pokud nabíječku připojíte příliš brzy, kalibrace začne znovu od kroku 1. Nikdy nemusíte Ampře říkat, ve kterém kroku jste: sleduje baterii sama.</translation>
    </message>
    <message>
        <source>Step instructions</source>
        <extracomment>Accessible name of the pages of calibration instructions</extracomment>
        <translation>Pokyny ke kroku</translation>
    </message>
    <message>
        <source>Completed calibrations</source>
        <extracomment>Caption of the calibration history table</extracomment>
        <translation>Dokončené kalibrace</translation>
    </message>
    <message>
        <source>The battery&apos;s capacity measured at the end of each calibration, newest first.</source>
        <extracomment>Description under the caption of the calibration history table</extracomment>
        <translation>Kapacita baterie změřená na konci každé kalibrace, od nejnovější.</translation>
    </message>
    <message>
        <source>Calibration history</source>
        <extracomment>Accessible name of the calibration history table</extracomment>
        <translation>Historie kalibrací</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Exportovat…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Uložit historii kapacity a kalibrace jako soubor CSV</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A duration in whole hours</extracomment>
        <translation>
            <numerusform>%n hodina</numerusform>
            <numerusform>%n hodiny</numerusform>
            <numerusform>%n hodin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ampra suggests a calibration every %n day(s), counted from the last one completed.</source>
        <extracomment>Help about the next calibration date: how often a calibration is suggested</extracomment>
        <translation>
            <numerusform>Ampra navrhuje kalibraci každý %n den, počítáno od poslední dokončené.</numerusform>
            <numerusform>Ampra navrhuje kalibraci každé %n dny, počítáno od poslední dokončené.</numerusform>
            <numerusform>Ampra navrhuje kalibraci každých %n dní, počítáno od poslední dokončené.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While a calibration is due you can postpone it by %n day(s). Ampra will not remind you of it until then.</source>
        <extracomment>Help about the next calibration date: what postponing does</extracomment>
        <translation>
            <numerusform>Když je kalibrace na řadě, můžete ji odložit o %n den. Do té doby vám ji Ampra nepřipomene.</numerusform>
            <numerusform>Když je kalibrace na řadě, můžete ji odložit o %n dny. Do té doby vám ji Ampra nepřipomene.</numerusform>
            <numerusform>Když je kalibrace na řadě, můžete ji odložit o %n dní. Do té doby vám ji Ampra nepřipomene.</numerusform>
        </translation>
    </message>
    <message>
        <source>Six steps: charge to full, keep the charger in for %1 more, unplug it, work on battery until the charge is under %2, suspend or switch off the laptop for %3, and come back with the charge still under %4.</source>
        <extracomment>Help about calibration: the six steps in one sentence (%1 and %3: durations in hours, %2 and %4: charge levels)</extracomment>
        <translation>Šest kroků: nabít do plna, nechat nabíječku připojenou ještě %1, odpojit ji, pracovat na baterii, dokud nabití neklesne pod %2, uspat nebo vypnout notebook na %3 a vrátit se s nabitím stále pod %4.</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n day(s)</source>
        <extracomment>The button that puts a due calibration off</extracomment>
        <translation>
            <numerusform>Odložit o %n den</numerusform>
            <numerusform>Odložit o %n dny</numerusform>
            <numerusform>Odložit o %n dní</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the charger unplugged.</source>
        <extracomment>Calibration steps 4 and 5: the charger</extracomment>
        <translation>Nechte nabíječku odpojenou.</translation>
    </message>
    <message>
        <source>No calibration step is under way right now.</source>
        <extracomment>Calibration page shown while no step is under way</extracomment>
        <translation>Právě neprobíhá žádný krok kalibrace.</translation>
    </message>
    <message>
        <source>Ampra follows your battery and shows here what to do as soon as a step begins.</source>
        <extracomment>Calibration page shown while no step is under way: what Ampra does meanwhile</extracomment>
        <translation>Ampra sleduje vaši baterii a jakmile nějaký krok začne, ukáže vám zde, co dělat.</translation>
    </message>
    <message>
        <source>Step 1: plug in the charger.</source>
        <extracomment>Calibration step 1: what the step is</extracomment>
        <translation>Krok 1: připojte nabíječku.</translation>
    </message>
    <message>
        <source>Connect your laptop to its charger and let the battery charge to %1.</source>
        <extracomment>Calibration step 1: the charger</extracomment>
        <translation>Připojte notebook k nabíječce a nechte baterii nabít na %1.</translation>
    </message>
    <message>
        <source>You can go on working while it charges.</source>
        <extracomment>Calibration step 1: the laptop</extracomment>
        <translation>Během nabíjení můžete dál pracovat.</translation>
    </message>
    <message>
        <source>Step 2: keep the charger connected.</source>
        <extracomment>Calibration step 2: what the step is</extracomment>
        <translation>Krok 2: nechte nabíječku připojenou.</translation>
    </message>
    <message>
        <source>The battery is full. Leave the charger plugged in for %1 more.</source>
        <extracomment>Calibration step 2: the charger</extracomment>
        <translation>Baterie je plná. Nechte nabíječku připojenou ještě %1.</translation>
    </message>
    <message>
        <source>Keep using your laptop as usual.</source>
        <extracomment>Calibration step 2: the laptop</extracomment>
        <translation>Používejte notebook jako obvykle.</translation>
    </message>
    <message>
        <source>Step 3: unplug the charger.</source>
        <extracomment>Calibration step 3: what the step is</extracomment>
        <translation>Krok 3: odpojte nabíječku.</translation>
    </message>
    <message>
        <source>Disconnect the charger now.</source>
        <extracomment>Calibration step 3: the charger</extracomment>
        <translation>Nyní nabíječku odpojte.</translation>
    </message>
    <message>
        <source>Leave the laptop switched on: it runs on battery from now on.</source>
        <extracomment>Calibration step 3: the laptop</extracomment>
        <translation>Nechte notebook zapnutý: od teď běží na baterii.</translation>
    </message>
    <message>
        <source>Step 4: work on battery.</source>
        <extracomment>Calibration step 4: what the step is</extracomment>
        <translation>Krok 4: pracujte na baterii.</translation>
    </message>
    <message>
        <source>Use your laptop until the charge falls under %1. Ampra tells you when it is time for the next step.</source>
        <extracomment>Calibration step 4: the laptop (%1: a charge level)</extracomment>
        <translation>Používejte notebook, dokud nabití neklesne pod %1. Ampra vám dá vědět, až bude čas na další krok.</translation>
    </message>
    <message>
        <source>Step 5: let the laptop rest.</source>
        <extracomment>Calibration step 5: what the step is</extracomment>
        <translation>Krok 5: nechte notebook odpočinout.</translation>
    </message>
    <message>
        <source>Suspend the laptop (close the lid or choose Suspend) or switch it off, and leave it so for %1.</source>
        <extracomment>Calibration step 5: the laptop (%1: a duration in hours)</extracomment>
        <translation>Uspěte notebook (zavřete víko nebo zvolte Uspat) nebo ho vypněte a nechte ho tak %1.</translation>
    </message>
    <message>
        <source>Step 6: the calibration is done.</source>
        <extracomment>Calibration step 6: what the step is</extracomment>
        <translation>Krok 6: kalibrace je hotová.</translation>
    </message>
    <message>
        <source>You can plug the charger in again.</source>
        <extracomment>Calibration step 6: the charger</extracomment>
        <translation>Nabíječku můžete znovu připojit.</translation>
    </message>
    <message>
        <source>The charge was still under %1 after the rest: your battery is calibrated.</source>
        <extracomment>Calibration step 6: the laptop (%1: a charge level)</extracomment>
        <translation>Nabití bylo po odpočinku stále pod %1: baterie je zkalibrovaná.</translation>
    </message>
    <message>
        <source>%1h %2min</source>
        <extracomment>Time left in a calibration step (%1: hours, %2: minutes), as in 2h 5min</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>today_summary_message</source>
        <extracomment>Shown as the next calibration date when the calibration is due today or overdue</extracomment>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>It&apos;s not necessary to calibrate your battery right now. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Calibrated text</extracomment>
        <translation>Vaše baterie teď kalibraci nepotřebuje. Pokud ji přesto chcete zkalibrovat, stačí postupovat podle kroků níže.</translation>
    </message>
    <message>
        <source>Your battery needs to be calibrated. Follow the next step below to progress through the calibration progress. If you prefer not to be botherred by messages, you can postpone the calibration to next week.</source>
        <extracomment>PendingCalibration text</extracomment>
        <translation>Vaše baterie potřebuje kalibraci. Proveďte kalibraci podle kroků níže. Pokud nechcete být rušeni zprávami, můžete kalibraci odložit.</translation>
    </message>
    <message>
        <source>The calibration is postponed. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Postponed text</extracomment>
        <translation>Kalibrace je odložena. Pokud přesto chcete kalibrovat, stačí postupovat podle kroků níže.</translation>
    </message>
    <message>
        <source>Calibraton is disabled.</source>
        <extracomment>Calibration off text</extracomment>
        <translation>Kalibrace je vypnutá.</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full and the calibration cannot go on. Lift the limit until the calibration is done: in your desktop&apos;s power settings or the laptop maker&apos;s tool, in TLP (STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf), or as root by writing 100 to charge_control_end_threshold in the battery&apos;s folder under /sys/class/power_supply.</source>
        <extracomment>Calibration step 1 when the laptop stops charging early (%1: a charge level such as 80%). Keep the names TLP, STOP_CHARGE_THRESH_BAT0, /etc/tlp.conf, charge_control_end_threshold and /sys/class/power_supply as they are.</extracomment>
        <translation>Tento notebook přestává nabíjet na %1, takže baterie nikdy není plná a kalibrace nemůže pokračovat. Zrušte limit, dokud kalibrace neskončí: v nastavení napájení vašeho prostředí nebo v nástroji výrobce, v TLP (STOP_CHARGE_THRESH_BAT0 v /etc/tlp.conf), nebo jako root zápisem 100 do charge_control_end_threshold ve složce baterie v /sys/class/power_supply.</translation>
    </message>
    <message>
        <source>hide_calibration_history_table</source>
        <extracomment>The button that hides the calibration history table</extracomment>
        <translation>Skrýt historii</translation>
    </message>
    <message>
        <source>show_calibration_history_table</source>
        <extracomment>The button that shows the calibration history table</extracomment>
        <translation>Zobrazit historii</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The button in calibration step 1 that lifts the laptop&apos;s charge limit until the calibration ends (%1: 100%)</extracomment>
        <translation>Nabít na %1 pro tuto kalibraci</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full. Ampra can lift the limit until the calibration ends.</source>
        <extracomment>Calibration step 1 when Ampra can lift the laptop&apos;s charge limit, above the button that does it (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Tento notebook přestává nabíjet na %1, takže baterie nikdy není plná. Ampra může limit zrušit až do konce kalibrace.</translation>
    </message>
</context>
<context>
    <name>AMPCapacityTableDataProvider</name>
    <message>
        <source>Date</source>
        <extracomment>Header of the history column with the day a capacity was recorded</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Capacity (mAh)</source>
        <extracomment>Header of the history column with the full charge capacity in mAh</extracomment>
        <translation>Kapacita (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Header of the history column with the cycle count</extracomment>
        <translation>Cykly</translation>
    </message>
</context>
<context>
    <name>AMPCapacityVC</name>
    <message>
        <source>Charge cycles done:</source>
        <extracomment>Caption of the number of charge cycles the battery has been through</extracomment>
        <translation>Proběhlé nabíjecí cykly:</translation>
    </message>
    <message>
        <source>Explain charge cycles</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about charge cycles</extracomment>
        <translation>Vysvětlit nabíjecí cykly</translation>
    </message>
    <message>
        <source>Cycles by design:</source>
        <extracomment>Caption of the number of charge cycles the battery is designed for</extracomment>
        <translation>Cykly podle návrhu:</translation>
    </message>
    <message>
        <source>What is a charge cycle?</source>
        <extracomment>Title of the help about charge cycles</extracomment>
        <translation>Co je nabíjecí cyklus?</translation>
    </message>
    <message>
        <source>A charge cycle is counted each time the battery has delivered as much energy as its full capacity, whether in one go or over several days: using half of it today and half tomorrow makes one cycle. The battery itself counts the cycles and Linux reads the count from the power supply driver; some batteries do not report it, and then it shows 0. A battery is built for a number of cycles, after which it holds noticeably less charge.</source>
        <extracomment>Help text about charge cycles, for a Linux laptop owner</extracomment>
        <translation>Nabíjecí cyklus se započítá pokaždé, když baterie odevzdá tolik energie, kolik je její plná kapacita, najednou nebo během několika dní: polovina dnes a polovina zítra je jeden cyklus. Baterie počítá cykly sama a Linux jejich počet čte z ovladače napájení; některé baterie ho neuvádějí, a pak se zobrazí 0. Baterie je stavěná na určitý počet cyklů, po kterém pojme znatelně méně energie.</translation>
    </message>
    <message>
        <source>Design capacity (mAh):</source>
        <extracomment>Caption of the capacity the battery had when new, in milliampere-hours</extracomment>
        <translation>Návrhová kapacita (mAh):</translation>
    </message>
    <message>
        <source>Explain capacity</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about capacity</extracomment>
        <translation>Vysvětlit kapacitu</translation>
    </message>
    <message>
        <source>Full charge capacity (mAh):</source>
        <extracomment>Caption of the charge the battery holds today when full, in milliampere-hours, with its share of the design capacity</extracomment>
        <translation>Kapacita při plném nabití (mAh):</translation>
    </message>
    <message>
        <source>Why does the capacity fall?</source>
        <extracomment>Title of the help about the battery capacity</extracomment>
        <translation>Proč kapacita klesá?</translation>
    </message>
    <message>
        <source>The design capacity is what the battery held when it was new; the full charge capacity is what it holds today when charged to the top. Every cycle, heat and long hours at full charge wear the cells a little, so the full charge capacity falls slowly over the years. The percentage compares both. A calibration lets the battery measure its full charge again, so the number you see matches the real one.</source>
        <extracomment>Help text about the design and the full charge capacity, for a Linux laptop owner</extracomment>
        <translation>Návrhová kapacita je to, co baterie pojala jako nová; kapacita při plném nabití je to, co pojme dnes, když je nabitá do plna. Každý cyklus, teplo a dlouhé hodiny na plném nabití články trochu opotřebují, takže kapacita při plném nabití během let pomalu klesá. Procento obě hodnoty porovnává. Kalibrace umožní baterii znovu změřit plné nabití, aby číslo, které vidíte, odpovídalo skutečnosti.</translation>
    </message>
    <message>
        <source>Capacity history:</source>
        <extracomment>Caption of the table of capacities recorded when the battery was full</extracomment>
        <translation>Historie kapacity:</translation>
    </message>
    <message>
        <source>Capacity history</source>
        <extracomment>Accessible name of the table of recorded capacities</extracomment>
        <translation>Historie kapacity</translation>
    </message>
    <message>
        <source>Ampra records the full charge capacity and the cycle count each time the battery is fully charged. The newest 100 records are listed.</source>
        <extracomment>Text under the capacity history table</extracomment>
        <translation>Ampra zaznamenává kapacitu při plném nabití a počet cyklů pokaždé, když je baterie plně nabitá. Zobrazuje se 100 nejnovějších záznamů.</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Exportovat…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Uložit historii kapacity a kalibrace jako soubor CSV</translation>
    </message>
</context>
<context>
    <name>AMPChargeVC</name>
    <message>
        <source>Power source:</source>
        <extracomment>Caption of the row that tells whether the computer runs on its power adapter or on battery</extracomment>
        <translation>Zdroj napájení:</translation>
    </message>
    <message>
        <source>Battery status:</source>
        <extracomment>Caption of the row that tells whether the battery charges, is full or discharges</extracomment>
        <translation>Stav baterie:</translation>
    </message>
    <message>
        <source>Charge:</source>
        <extracomment>Caption of the row with the battery charge in percent</extracomment>
        <translation>Nabití:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <extracomment>Caption of the row with the time the battery lasts at the present use</extracomment>
        <translation>Zbývající čas:</translation>
    </message>
    <message>
        <source>chargevc_acpowersource_text</source>
        <extracomment>Text to show when the computer is connected to power</extracomment>
        <translation>Napájecí adaptér</translation>
    </message>
    <message>
        <source>chargevc_charged_message</source>
        <extracomment>Message to display when battery is charged</extracomment>
        <translation>Plně nabitá</translation>
    </message>
    <message>
        <source>Charging stops at %1</source>
        <extracomment>Battery status on mains when the laptop stops charging early (%1: a charge level such as 80%)</extracomment>
        <translation>Nabíjení končí na %1</translation>
    </message>
    <message>
        <source>chargevc_charging_message</source>
        <extracomment>Message to display when battery is charging</extracomment>
        <translation>Nabíjí se</translation>
    </message>
    <message>
        <source>chargevc_batterypowersource_text</source>
        <extracomment>Text to show when the computer is running on battery</extracomment>
        <translation>Baterie</translation>
    </message>
    <message>
        <source>chargevc_discharging_message</source>
        <extracomment>Message to display when battery is discharging</extracomment>
        <translation>Vybíjí se</translation>
    </message>
</context>
<context>
    <name>AMPHealthVC</name>
    <message>
        <source>Explain the lifespan</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about the battery lifespan</extracomment>
        <translation>Vysvětlit životnost</translation>
    </message>
    <message>
        <source>What do the lifespan and the health word mean?</source>
        <extracomment>Title of the help about the battery lifespan and health</extracomment>
        <translation>Co znamená životnost a slovo o stavu?</translation>
    </message>
    <message>
        <source>A lithium-ion battery ages with use and with time. Its maker states a lifespan as a number of charge cycles after which it still keeps about 80% of its design capacity. The health word in the ring comes from the battery itself, through the Linux power supply driver: GOOD means it performs as designed, FAIR that it works with a reduced capacity, POOR that it can no longer deliver proper power, CHECK that the battery reports a fault and should be examined by a repair service. Many batteries report no health at all; the ring then shows &quot;-&quot;.</source>
        <extracomment>Help text about the battery lifespan and the health words, for a Linux laptop owner</extracomment>
        <translation>Lithium-iontová baterie stárne používáním i časem. Výrobce uvádí její životnost jako počet nabíjecích cyklů, po kterých si stále udrží asi 80&#xa0;% návrhové kapacity. Slovo v kruhu pochází přímo z baterie, přes ovladač napájení Linuxu: DOBRÁ znamená, že funguje podle návrhu, UJDE, že funguje se sníženou kapacitou, ŠPATNÁ, že už nedokáže dodávat správné napájení, ZKONTROLOVAT, že baterie hlásí závadu a měl by ji prohlédnout servis. Mnoho baterií stav vůbec neuvádí; kruh pak ukazuje „-“.</translation>
    </message>
    <message>
        <source>no_data_forHealthLifespan_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about lifespan</extracomment>
        <translation>Ampra zatím nemá od této baterie údaj o životnosti.</translation>
    </message>
    <message>
        <source>Lifespan: your Macbook battery is designed to retain up to 80%% of its original capacity and up to %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>Životnost: baterie vašeho notebooku je navržena tak, aby si udržela až 80&#xa0;% původní kapacity po dobu až %1 nabíjecích cyklů.</translation>
    </message>
    <message numerus="yes">
        <source>Your battery capacity is currently at %@, and you have done %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>
            <numerusform>Kapacita vaší baterie je nyní %1 a máte za sebou %2 nabíjecí cyklus.</numerusform>
            <numerusform>Kapacita vaší baterie je nyní %1 a máte za sebou %2 nabíjecí cykly.</numerusform>
            <numerusform>Kapacita vaší baterie je nyní %1 a máte za sebou %2 nabíjecích cyklů.</numerusform>
        </translation>
    </message>
    <message>
        <source>no_data_forHealthCycles_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about cycles</extracomment>
        <translation>Ampra zatím nemá od této baterie počet cyklů ani kapacitu.</translation>
    </message>
    <message>
        <source>Currently we have no valid value to inform about the health of the installed power source.</source>
        <extracomment>Battery Heath ring explanation message for state unknown</extracomment>
        <translation>Baterie zatím neuvedla svůj stav.</translation>
    </message>
    <message>
        <source>&quot;-&quot; indicates that no information is given by the system regarding the battery health.</source>
        <extracomment>Battery Heath ring explanation message for state unknown of battery</extracomment>
        <translation>„-“ znamená, že systém neposkytuje žádné informace o stavu baterie.</translation>
    </message>
    <message>
        <source>&quot;POOR&quot; describe a power source that&apos;s not capable of providing proper power.</source>
        <extracomment>Battery Heath ring explanation message for state poor</extracomment>
        <translation>„ŠPATNÁ“ popisuje baterii, která už nedokáže dodávat správné napájení.</translation>
    </message>
    <message>
        <source>&quot;FAIR&quot; describe a functional power source with limited capacity.</source>
        <extracomment>Battery Heath ring explanation message for state fair</extracomment>
        <translation>„UJDE“ popisuje funkční baterii se sníženou kapacitou.</translation>
    </message>
    <message>
        <source>&quot;GOOD&quot; indicates that the battery is healthy and performing well.</source>
        <extracomment>Battery Heath ring explanation message for state good</extracomment>
        <translation>„DOBRÁ“ znamená, že baterie je v pořádku a funguje dobře.</translation>
    </message>
    <message>
        <source>&quot;CHECK&quot; indicates that the battery should be checked out by a licensed Mac repair service.</source>
        <extracomment>Battery Heath ring explanation message for state check battery</extracomment>
        <translation>„ZKONTROLOVAT“ znamená, že baterie hlásí závadu a měl by ji zkontrolovat servis.</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAboutVC</name>
    <message>
        <source>app_version</source>
        <extracomment>Version</extracomment>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Title of the window with the libraries Ampra uses and their licences</extracomment>
        <translation>Poděkování</translation>
    </message>
    <message>
        <source>Libraries and licences</source>
        <extracomment>Accessible name of the text of the acknowledgements</extracomment>
        <translation>Knihovny a licence</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the About page&apos;s picture shows, for screen readers</extracomment>
        <translation>Ikona aplikace Ampra</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAppearanceVC</name>
    <message>
        <source>Automatic</source>
        <extracomment>Panel colour: Ampra tells the panel&apos;s colour from the desktop</extracomment>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>Panel colour: the desktop panel is light, the icon is drawn dark</extracomment>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>Panel colour: the desktop panel is dark, the icon is drawn light</extracomment>
        <translation>Tmavý</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesGeneralVC</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <extracomment>Number of weeks to schedule a calibration</extracomment>
        <translation>
            <numerusform>%Ln týden</numerusform>
            <numerusform>%Ln týdny</numerusform>
            <numerusform>%Ln týdnů</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesNotificationsVC</name>
    <message>
        <source>Don&apos;t remind me</source>
        <extracomment>The user does not want to be reminded to unplug the laptop</extracomment>
        <translation>Nepřipomínat</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <extracomment>Hours on mains power before the reminder to unplug</extracomment>
        <translation>
            <numerusform>%Ln hodina</numerusform>
            <numerusform>%Ln hodiny</numerusform>
            <numerusform>%Ln hodin</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesTabVC</name>
    <message>
        <source>Ampra Preferences</source>
        <extracomment>Title of the preferences window</extracomment>
        <translation>Předvolby Ampry</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesWindow</name>
    <message>
        <source>General</source>
        <extracomment>Title of the General page of the preferences</extracomment>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Calibrate every:</source>
        <extracomment>Label of the list of calibration intervals in the preferences</extracomment>
        <translation>Kalibrovat každé:</translation>
    </message>
    <message>
        <source>Calibration interval</source>
        <extracomment>Accessible name of the list of calibration intervals</extracomment>
        <translation>Interval kalibrace</translation>
    </message>
    <message>
        <source>Ampra reminds you when the next battery calibration is due.</source>
        <extracomment>Explanation under the list of calibration intervals</extracomment>
        <translation>Ampra vám připomene, kdy je na řadě další kalibrace baterie.</translation>
    </message>
    <message>
        <source>Startup:</source>
        <extracomment>Label of the start-at-login check box in the preferences</extracomment>
        <translation>Spuštění:</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box that starts Ampra with the desktop session</extracomment>
        <translation>Spouštět Ampru po přihlášení</translation>
    </message>
    <message>
        <source>Energy:</source>
        <extracomment>Label of the button that opens the desktop power settings</extracomment>
        <translation>Energie:</translation>
    </message>
    <message>
        <source>Open Power Settings…</source>
        <extracomment>Button that opens the power settings of the desktop</extracomment>
        <translation>Otevřít nastavení napájení…</translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Title of the Notifications page of the preferences</extracomment>
        <translation>Oznámení</translation>
    </message>
    <message>
        <source>Remind to unplug after:</source>
        <extracomment>Label of the list of unplug reminder intervals</extracomment>
        <translation>Připomenout odpojení po:</translation>
    </message>
    <message>
        <source>Unplug reminder</source>
        <extracomment>Accessible name of the list of unplug reminder intervals</extracomment>
        <translation>Připomenutí odpojení</translation>
    </message>
    <message>
        <source>Time on mains power with the battery above 80 % before Ampra reminds you to unplug.</source>
        <extracomment>Explanation under the list of unplug reminder intervals</extracomment>
        <translation>Doba na síti s baterií nad 80&#xa0;%, po které vám Ampra připomene odpojení.</translation>
    </message>
    <message>
        <source>Notify:</source>
        <extracomment>Label of the notification check boxes in the preferences</extracomment>
        <translation>Oznamovat:</translation>
    </message>
    <message>
        <source>When the power source changes</source>
        <extracomment>Check box: notify when the computer switches between mains and battery</extracomment>
        <translation>Když se změní zdroj napájení</translation>
    </message>
    <message>
        <source>When the charge falls under</source>
        <extracomment>Check box: notify when the charge falls under the level beside it</extracomment>
        <translation>Když nabití klesne pod</translation>
    </message>
    <message>
        <source>Low charge level</source>
        <extracomment>Accessible name of the low charge level</extracomment>
        <translation>Nízká úroveň nabití</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Title of the Appearance page of the preferences</extracomment>
        <translation>Vzhled</translation>
    </message>
    <message>
        <source>Tray item:</source>
        <extracomment>Label of the check boxes that choose what the tray item shows</extracomment>
        <translation>Položka v oznamovací oblasti:</translation>
    </message>
    <message>
        <source>Show the battery icon</source>
        <extracomment>Check box: the tray item shows the battery icon</extracomment>
        <translation>Zobrazovat ikonu baterie</translation>
    </message>
    <message>
        <source>Show the charge percentage</source>
        <extracomment>Check box: the tray item shows the charge in percent</extracomment>
        <translation>Zobrazovat procento nabití</translation>
    </message>
    <message>
        <source>Show the remaining time</source>
        <extracomment>Check box: the tray item shows the time left to full or empty</extracomment>
        <translation>Zobrazovat zbývající čas</translation>
    </message>
    <message>
        <source>Draw the battery upright</source>
        <extracomment>Check box: the tray icon&apos;s battery stands upright instead of lying</extracomment>
        <translation>Kreslit baterii svisle</translation>
    </message>
    <message>
        <source>Draw the battery in colour</source>
        <extracomment>Check box: the tray icon shows the charge in green, orange or red</extracomment>
        <translation>Kreslit baterii barevně</translation>
    </message>
    <message>
        <source>Show the percentage inside the icon</source>
        <extracomment>Check box: the charge in percent is written inside the tray icon, for panels that show no text beside icons</extracomment>
        <translation>Zobrazovat procento uvnitř ikony</translation>
    </message>
    <message>
        <source>Panel:</source>
        <extracomment>Label of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Panel:</translation>
    </message>
    <message>
        <source>Panel colour</source>
        <extracomment>Accessible name of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Barva panelu</translation>
    </message>
    <message>
        <source>Ampra draws the icon to suit the panel. Choose Light or Dark if it guesses wrong.</source>
        <extracomment>Explanation under the list of panel colours</extracomment>
        <translation>Ampra kreslí ikonu podle panelu. Pokud se splete, zvolte Světlý nebo Tmavý.</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Title of the About page of the preferences</extracomment>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Keeps your laptop battery healthy.</source>
        <extracomment>One line under the version on the About page</extracomment>
        <translation>Udržuje baterii vašeho notebooku zdravou.</translation>
    </message>
    <message>
        <source>Show Tutorial</source>
        <extracomment>Button on the About page that opens the tutorial again</extracomment>
        <translation>Zobrazit průvodce</translation>
    </message>
    <message>
        <source>Help Centre</source>
        <extracomment>Button on the About page that opens the online help in the browser</extracomment>
        <translation>Centrum nápovědy</translation>
    </message>
    <message>
        <source>Report a Problem…</source>
        <extracomment>Button on the About page that writes a problem report with the log attached</extracomment>
        <translation>Nahlásit problém…</translation>
    </message>
    <message>
        <source>Contact Us…</source>
        <extracomment>Button on the About page that writes a mail to the developers</extracomment>
        <translation>Kontaktujte nás…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Button on the About page that shows the libraries Ampra uses and their licences</extracomment>
        <translation>Poděkování</translation>
    </message>
    <message>
        <source>Charge limit:</source>
        <extracomment>Label of the check box that lifts the laptop&apos;s charge limit for calibrations</extracomment>
        <translation>Limit nabíjení:</translation>
    </message>
    <message>
        <source>Always for calibrations</source>
        <extracomment>Check box: lift the laptop&apos;s charge limit for every calibration without asking</extracomment>
        <translation>Vždy při kalibraci</translation>
    </message>
    <message>
        <source>A calibration needs a full charge. Ampra lifts the laptop&apos;s charge limit until the calibration ends, then switches it on again.</source>
        <extracomment>Explanation under the check box that lifts the charge limit for calibrations</extracomment>
        <translation>Kalibrace vyžaduje plné nabití. Ampra zruší limit nabíjení notebooku až do konce kalibrace a pak jej znovu zapne.</translation>
    </message>
</context>
<context>
    <name>AMPStepInfoVC</name>
    <message>
        <source>Time left in this step:</source>
        <extracomment>Caption before the time the current calibration step still lasts</extracomment>
        <translation>Zbývající čas v tomto kroku:</translation>
    </message>
</context>
<context>
    <name>AMPStepsVC</name>
    <message>
        <source>Calibration steps</source>
        <extracomment>Accessible name of the strip of the six calibration steps</extracomment>
        <translation>Kroky kalibrace</translation>
    </message>
    <message>
        <source>Use the left and right arrow keys to read the instructions of each step.</source>
        <extracomment>Accessible description of the calibration step strip</extracomment>
        <translation>Pokyny ke každému kroku si přečtete pomocí šipek doleva a doprava.</translation>
    </message>
    <message>
        <source>Plug in</source>
        <extracomment>Title of calibration step 1, under its tab; one short word</extracomment>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>Title of calibration step 2, under its tab; one short word</extracomment>
        <translation>Čekat</translation>
    </message>
    <message>
        <source>Unplug</source>
        <extracomment>Title of calibration step 3, under its tab; one short word</extracomment>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Drain</source>
        <extracomment>Title of calibration step 4, under its tab; one short word</extracomment>
        <translation>Vybít</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>Title of calibration step 5, under its tab; one short word</extracomment>
        <translation>Odpočinek</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Title of calibration step 6, under its tab; one short word</extracomment>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>The state of a calibration step that is behind the user</extracomment>
        <translation>hotovo</translation>
    </message>
    <message>
        <source>current step</source>
        <extracomment>The state of the calibration step the user is in</extracomment>
        <translation>aktuální krok</translation>
    </message>
    <message>
        <source>finished</source>
        <extracomment>The state of the last calibration step once the calibration is complete</extracomment>
        <translation>dokončeno</translation>
    </message>
    <message>
        <source>not done yet</source>
        <extracomment>The state of a calibration step still to come</extracomment>
        <translation>ještě neproběhlo</translation>
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
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Charge</source>
        <extracomment>Caption under the charge ring</extracomment>
        <translation>Nabití</translation>
    </message>
    <message>
        <source>Capacity</source>
        <extracomment>Caption under the capacity ring</extracomment>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Caption under the battery health ring</extracomment>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Days to calibration</source>
        <extracomment>Caption under the ring with the days until the next calibration</extracomment>
        <translation>Dní do kalibrace</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Settings menu item that opens the preferences window</extracomment>
        <translation>Předvolby…</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <extracomment>Settings menu item that opens the tutorial window</extracomment>
        <translation>Průvodce</translation>
    </message>
    <message>
        <source>Quit Ampra</source>
        <extracomment>Settings menu item that quits the application</extracomment>
        <translation>Ukončit Ampru</translation>
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
        <translation>Nebyla nalezena žádná baterie.
Ampra zobrazí údaje, jakmile bude baterie k dispozici.</translation>
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
        <translation>Vítejte v Ampře</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Where the reader is in the tutorial, as in &quot;2 of 3&quot;</extracomment>
        <translation>%L1 z %L2</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the first tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Ikona aplikace Ampra</translation>
    </message>
    <message>
        <source>A battery inside a circling arrow</source>
        <extracomment>What the second tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Baterie uvnitř kruhové šipky</translation>
    </message>
    <message>
        <source>A check mark in a green circle</source>
        <extracomment>What the last tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Zaškrtnutí v zeleném kruhu</translation>
    </message>
</context>
<context>
    <name>AMPTutorialWindow</name>
    <message>
        <source>Welcome to Ampra</source>
        <extracomment>Title of the first tutorial page</extracomment>
        <translation>Vítejte v Ampře</translation>
    </message>
    <message>
        <source>Ampra lives in the tray of your panel. Its icon shows how full the battery is; click it to see the charge, the capacity, the health and the days until the next calibration.</source>
        <extracomment>Text of the first tutorial page</extracomment>
        <translation>Ampra sídlí v oznamovací oblasti vašeho panelu. Její ikona ukazuje, jak je baterie nabitá; klepněte na ni a uvidíte nabití, kapacitu, stav a počet dní do příští kalibrace.</translation>
    </message>
    <message>
        <source>Calibrate now and then</source>
        <extracomment>Title of the second tutorial page</extracomment>
        <translation>Občas kalibrujte</translation>
    </message>
    <message>
        <source>Every few weeks Ampra guides you through a calibration: charge to full, stay on mains power for two hours, run the battery down, then let the laptop sleep for five hours. A notification tells you each step. Ampra also reminds you to unplug when the laptop has been on mains power for too long.</source>
        <extracomment>Text of the second tutorial page</extracomment>
        <translation>Každých pár týdnů vás Ampra provede kalibrací: nabít do plna, zůstat dvě hodiny na síti, vybít baterii a pak nechat notebook pět hodin uspaný. Každý krok vám oznámí upozornění. Ampra vám také připomene odpojení, když je notebook připojen k síti příliš dlouho.</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box on the tutorial that starts Ampra with the desktop session</extracomment>
        <translation>Spouštět Ampru po přihlášení</translation>
    </message>
    <message>
        <source>All set</source>
        <extracomment>Title of the last tutorial page</extracomment>
        <translation>Vše připraveno</translation>
    </message>
    <message>
        <source>Ampra is ready. Choose what the tray item shows and when Ampra reminds you in the preferences, from the settings menu of Ampra&apos;s window.</source>
        <extracomment>Text of the last tutorial page</extracomment>
        <translation>Ampra je připravena. V předvolbách, z nabídky nastavení v okně Ampry, zvolte, co položka v oznamovací oblasti ukazuje a kdy vám Ampra připomíná.</translation>
    </message>
    <message>
        <source>Start Using Ampra</source>
        <extracomment>Last button of the tutorial: closes it and opens Ampra&apos;s window</extracomment>
        <translation>Začít používat Ampru</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Tutorial button to the previous page</extracomment>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tutorial button to the next page</extracomment>
        <translation>Další</translation>
    </message>
</context>
<context>
    <name>BackgroundPortalLoginItem</name>
    <message>
        <source>Ampra watches the battery and reminds you of calibration steps from the moment you log in.</source>
        <extracomment>Why Ampra asks to run in the background, shown by the desktop&apos;s permission dialog</extracomment>
        <translation>Ampra sleduje baterii a připomíná kroky kalibrace od chvíle, kdy se přihlásíte.</translation>
    </message>
</context>
<context>
    <name>BatteryDataHijackWC</name>
    <message>
        <source>&amp;Override the battery readings</source>
        <extracomment>Check box of the developer window: while on, Ampra takes the values below instead of the battery&apos;s readings</extracomment>
        <translation>&amp;Nahradit údaje baterie</translation>
    </message>
    <message>
        <source>While this is on, Ampra takes the values below instead of what the battery reports; the cycle count and the capacities keep their last real readings.</source>
        <extracomment>Explanation under the check box of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Když je tato volba zapnutá, Ampra používá níže uvedené hodnoty místo toho, co hlásí baterie; počet cyklů a kapacity si ponechají poslední skutečné údaje.</translation>
    </message>
    <message>
        <source>&amp;Charge:</source>
        <extracomment>Label of the charge slider in the developer window</extracomment>
        <translation>&amp;Nabití:</translation>
    </message>
    <message>
        <source>Charge in percent</source>
        <extracomment>Accessible name of the charge slider in the developer window</extracomment>
        <translation>Nabití v procentech</translation>
    </message>
    <message>
        <source>&amp;Phase:</source>
        <extracomment>Label of the list of charge-cycle phases in the developer window</extracomment>
        <translation>&amp;Fáze:</translation>
    </message>
    <message>
        <source>Charge-cycle phase</source>
        <extracomment>Accessible name of the list of charge-cycle phases in the developer window</extracomment>
        <translation>Fáze nabíjecího cyklu</translation>
    </message>
    <message>
        <source>Po&amp;wer source:</source>
        <extracomment>Label of the power-source list in the developer window</extracomment>
        <translation>&amp;Zdroj napájení:</translation>
    </message>
    <message>
        <source>Power source</source>
        <extracomment>Accessible name of the power-source list in the developer window</extracomment>
        <translation>Zdroj napájení</translation>
    </message>
    <message>
        <source>&amp;Health:</source>
        <extracomment>Label of the battery health list in the developer window</extracomment>
        <translation>&amp;Stav:</translation>
    </message>
    <message>
        <source>Battery health</source>
        <extracomment>Accessible name of the battery health list in the developer window</extracomment>
        <translation>Stav baterie</translation>
    </message>
    <message>
        <source>Phase 0: Starting to charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fáze 0: začátek nabíjení</translation>
    </message>
    <message>
        <source>Phase 1: Charging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fáze 1: nabíjení</translation>
    </message>
    <message>
        <source>Phase 2: Finishing Charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fáze 2: dokončení nabíjení</translation>
    </message>
    <message>
        <source>Phase 3: Charged</source>
        <extracomment>Item of the phase list in the battery override window: the battery is full</extracomment>
        <translation>Fáze 3: nabito</translation>
    </message>
    <message>
        <source>Phase 4: Starting discharge</source>
        <extracomment>Item of the phase list in the battery override window: just unplugged</extracomment>
        <translation>Fáze 4: začátek vybíjení</translation>
    </message>
    <message>
        <source>Phase 5: Discharging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fáze 5: vybíjení</translation>
    </message>
    <message>
        <source>Phase 6: Finishing discharge</source>
        <extracomment>Item of the phase list in the battery override window: the battery is nearly empty</extracomment>
        <translation>Fáze 6: dokončení vybíjení</translation>
    </message>
    <message>
        <source>AC Power</source>
        <extracomment>Item of the power-source list in the battery override window: on mains power</extracomment>
        <translation>Napájení ze sítě</translation>
    </message>
    <message>
        <source>Battery Power</source>
        <extracomment>Item of the power-source list in the battery override window</extracomment>
        <translation>Napájení z baterie</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Dobrá</translation>
    </message>
    <message>
        <source>Fair</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Ujde</translation>
    </message>
    <message>
        <source>Poor</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Špatná</translation>
    </message>
    <message>
        <source>Check Battery</source>
        <extracomment>Item of the health list in the battery override window: the system asks for a service</extracomment>
        <translation>Zkontrolovat baterii</translation>
    </message>
    <message>
        <source>Wrong Value</source>
        <extracomment>Item of the health list in the battery override window: a health the system never gives</extracomment>
        <translation>Chybná hodnota</translation>
    </message>
    <message>
        <source>Battery Override</source>
        <extracomment>Title of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Náhrada baterie</translation>
    </message>
</context>
<context>
    <name>BatteryManager</name>
    <message>
        <source>Calibration Done!!</source>
        <extracomment>Guide Message on state CalibrationDone.</extracomment>
        <translation>Kalibrace dokončena!</translation>
    </message>
    <message>
        <source>Plug your Mac to fully charge it.</source>
        <extracomment>Guide Message on state InitCalibration.</extracomment>
        <translation>Připojte počítač a plně ho nabijte.</translation>
    </message>
    <message>
        <source>Keep your Mac Conected for a while.</source>
        <extracomment>Guide Message on state FullyCharged.</extracomment>
        <translation>Nechte počítač ještě chvíli připojený.</translation>
    </message>
    <message>
        <source>You can disconnect your power adapter.</source>
        <extracomment>Guide Message on state DisconnectAdapter.</extracomment>
        <translation>Napájecí adaptér můžete odpojit.</translation>
    </message>
    <message>
        <source>Allow your Mac to sleep or switch it off.</source>
        <extracomment>Guide Message on state TurnItOff.</extracomment>
        <translation>Uspěte nebo vypněte počítač.</translation>
    </message>
</context>
<context>
    <name>CapacityChart</name>
    <message>
        <source>Capacity over time</source>
        <extracomment>Accessible name of the chart of the full charge capacity over time</extracomment>
        <translation>Kapacita v čase</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 the full charge capacity went from %3 to %4 mAh; %n calibration(s) marked.</source>
        <extracomment>Accessible description of the capacity chart: first and last date, first and last capacity in mAh, and how many calibrations it marks</extracomment>
        <translation>
            <numerusform>Od %1 do %2 se kapacita při plném nabití změnila z %3 na %4 mAh; vyznačena %n kalibrace.</numerusform>
            <numerusform>Od %1 do %2 se kapacita při plném nabití změnila z %3 na %4 mAh; vyznačeny %n kalibrace.</numerusform>
            <numerusform>Od %1 do %2 se kapacita při plném nabití změnila z %3 na %4 mAh; vyznačeno %n kalibrací.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh</source>
        <extracomment>Tooltip of a point of the capacity chart without a cycle count: its date and capacity</extracomment>
        <translation>%1
Kapacita: %2 mAh</translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh
Cycles: %3</source>
        <extracomment>Tooltip of a point of the capacity chart: its date, capacity and cycle count</extracomment>
        <translation>%1
Kapacita: %2 mAh
Cykly: %3</translation>
    </message>
    <message>
        <source>Full charge</source>
        <extracomment>Legend of the capacity chart&apos;s line of full charge capacities</extracomment>
        <translation>Plné nabití</translation>
    </message>
    <message>
        <source>Design</source>
        <extracomment>Legend of the capacity chart&apos;s line at the design capacity</extracomment>
        <translation>Návrh</translation>
    </message>
    <message>
        <source>Calibration</source>
        <extracomment>Legend of the capacity chart&apos;s marks of completed calibrations</extracomment>
        <translation>Kalibrace</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print what the power supply files say about the main battery, and leave.</source>
        <extracomment>Help for &quot;ampra --print-battery&quot;</extracomment>
        <translation>Vypíše, co o hlavní baterii říkají soubory napájení, a skončí.</translation>
    </message>
    <message>
        <source>Write the capacity history and the calibrations to FILE as CSV, or to the standard output when FILE is -, and leave.</source>
        <extracomment>Help for &quot;ampra --export-history FILE&quot;</extracomment>
        <translation>Zapíše historii kapacity a kalibrace do SOUBORU jako CSV, nebo na standardní výstup, je-li SOUBOR -, a skončí.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>Placeholder for the file name in &quot;ampra --help&quot;</extracomment>
        <translation>SOUBOR</translation>
    </message>
    <message>
        <source>Start with a window that replaces the battery&apos;s readings with values set by hand, also on a computer without a battery.</source>
        <extracomment>Help for &quot;ampra --override-battery&quot;, a facility for developers</extracomment>
        <translation>Spustí se s oknem, které nahradí údaje baterie ručně nastavenými hodnotami, i na počítači bez baterie.</translation>
    </message>
    <message>
        <source>Ampra keeps an eye on your laptop&apos;s battery from the system tray.</source>
        <extracomment>Shown by &quot;ampra --help&quot; under the usage line</extracomment>
        <translation>Ampra hlídá baterii vašeho notebooku z oznamovací oblasti.</translation>
    </message>
    <message>
        <source>Open the preferences window, in the Ampra that runs if there is one.</source>
        <extracomment>Help for &quot;ampra --preferences&quot;</extracomment>
        <translation>Otevře okno předvoleb, ve spuštěné Ampře, pokud nějaká běží.</translation>
    </message>
    <message>
        <source>--export-history cannot be combined with --print-battery, --override-battery or --preferences.</source>
        <extracomment>Printed when &quot;ampra --export-history&quot; is given with another option that does something else</extracomment>
        <translation>Volbu --export-history nelze kombinovat s --print-battery, --override-battery ani --preferences.</translation>
    </message>
    <message>
        <source>Load every picture Ampra shows, name those that do not load, and leave.</source>
        <extracomment>Help for &quot;ampra --check-resources&quot;, a check for packagers</extracomment>
        <translation>Načíst všechny obrázky, které Ampra zobrazuje, vypsat ty, které se nenačtou, a skončit.</translation>
    </message>
</context>
<context>
    <name>DetailViewTexts</name>
    <message>
        <source>no_data_text</source>
        <extracomment>Text to show when there is no data yet from the battery</extracomment>
        <translation>Čeká se na baterii…</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage (%1: a whole number, 57 for 57 percent); write the percent sign as your language does, with a no-break space before it if it takes a space</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging to %1 for the calibration, the %2 limit comes back afterwards</source>
        <extracomment>The battery status while Ampra has lifted the laptop&apos;s charge limit for a calibration (%1: 100%, %2: the limit, a charge level such as 80%)</extracomment>
        <translation>Nabíjí se na %1 pro kalibraci, limit %2 se poté vrátí</translation>
    </message>
</context>
<context>
    <name>HistoryExportDialog</name>
    <message>
        <source>Export Failed</source>
        <extracomment>Title of the message box when the history could not be exported</extracomment>
        <translation>Export se nezdařil</translation>
    </message>
    <message>
        <source>The battery history could not be read.</source>
        <extracomment>Shown when the history is to be exported but the data store did not open</extracomment>
        <translation>Historii baterie nebylo možné přečíst.</translation>
    </message>
    <message>
        <source>Export Battery History</source>
        <extracomment>Title of the file dialog that saves the battery history</extracomment>
        <translation>Exportovat historii baterie</translation>
    </message>
    <message>
        <source>ampra-history.csv</source>
        <extracomment>Suggested file name of the exported battery history</extracomment>
        <translation>ampra-historie.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>File type filter of the file dialog that saves the battery history</extracomment>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>The battery history could not be exported.

%1</source>
        <extracomment>Shown when the history could not be exported; %1 is the reason, in English</extracomment>
        <translation>Historii baterie nebylo možné exportovat.

%1</translation>
    </message>
</context>
<context>
    <name>MailSupportHandler</name>
    <message>
        <source>type your subject here</source>
        <extracomment>Support eMail subject</extracomment>
        <translation>sem napište předmět</translation>
    </message>
    <message>
        <source>Hi Vantrel,</source>
        <extracomment>Support eMail body greeting</extracomment>
        <translation>Dobrý den, Vantrele,</translation>
    </message>
    <message>
        <source>type your message here</source>
        <extracomment>Support eMail body content</extracomment>
        <translation>sem napište svou zprávu</translation>
    </message>
    <message>
        <source>NOTE: The attached report files do NOT contain any personal information</source>
        <extracomment>Support eMail body attachement warnings</extracomment>
        <translation>POZNÁMKA: Přiložené soubory hlášení NEOBSAHUJÍ žádné osobní údaje</translation>
    </message>
</context>
<context>
    <name>MessageBoxErrorPresenter</name>
    <message>
        <source>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</source>
        <extracomment>Shown when the file with the calibration and capacity history cannot be opened</extracomment>
        <translation>Ampra nemůže otevřít soubor, ve kterém uchovává historii. Pokračuje bez ukládání kalibrací a údajů o kapacitě.</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source>Change on power source</source>
        <extracomment>Title of the power source change notification</extracomment>
        <translation>Zdroj napájení se změnil</translation>
    </message>
    <message>
        <source>Now running on AC</source>
        <extracomment>Subtitle of the power source change notification when running on AC</extracomment>
        <translation>Nyní běží ze sítě</translation>
    </message>
    <message>
        <source>Now running on battery</source>
        <extracomment>Subtitle of the power source change notification when running on battery</extracomment>
        <translation>Nyní běží na baterii</translation>
    </message>
    <message>
        <source>Low battery</source>
        <extracomment>Title of the low battery notification</extracomment>
        <translation>Slabá baterie</translation>
    </message>
    <message>
        <source>Battery charge is under %u %%</source>
        <extracomment>Subtitle of the low battery notification (%1: the charge level crossed, a number from 1 to 100; write the percent sign as your language does)</extracomment>
        <translation>Nabití baterie je pod %1&#xa0;%</translation>
    </message>
    <message>
        <source>Unplug your mac</source>
        <extracomment>Title of the notification for long connection time</extracomment>
        <translation>Odpojte počítač</translation>
    </message>
    <message>
        <source>You have been connected for too long</source>
        <extracomment>Subtitle of the notification for long connection time</extracomment>
        <translation>Počítač je připojen k síti příliš dlouho</translation>
    </message>
    <message>
        <source>Calibration process:</source>
        <extracomment>Title of the notification for Calibration Proces</extracomment>
        <translation>Kalibrace baterie</translation>
    </message>
    <message>
        <source>Ampra runs without a tray icon</source>
        <extracomment>Title of the notification shown when the desktop has no tray for Ampra&apos;s icon</extracomment>
        <translation>Ampra běží bez ikony v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Open it again from the applications menu. On GNOME, a tray needs the AppIndicator extension.</source>
        <extracomment>Body of the notification shown when the desktop has no tray for Ampra&apos;s icon; &quot;AppIndicator&quot; is the name of a GNOME Shell extension</extracomment>
        <translation>Znovu ji otevřete z nabídky aplikací. V GNOME potřebuje oznamovací oblast rozšíření AppIndicator.</translation>
    </message>
    <message>
        <source>The calibration needs a full charge</source>
        <extracomment>Title of the notification that offers to lift the laptop&apos;s charge limit for a calibration</extracomment>
        <translation>Kalibrace vyžaduje plné nabití</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1. Ampra can lift the limit until the calibration ends and then switch it on again.</source>
        <extracomment>Body of the notification that offers to lift the laptop&apos;s charge limit (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Tento notebook přestává nabíjet na %1. Ampra může limit zrušit až do konce kalibrace a pak jej znovu zapnout.</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The notification&apos;s button that lifts the charge limit for the calibration under way (%1: 100%)</extracomment>
        <translation>Nabít na %1 pro tuto kalibraci</translation>
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
        <translation>Je k dispozici nová verze Ampry</translation>
    </message>
    <message>
        <source>Ampra %1 is out. You have %2.</source>
        <extracomment>Body of the notification that a new version is out; %1 the new version, %2 the running one</extracomment>
        <translation>Vyšla Ampra %1. Máte %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Action of the new version notification that opens the download page</extracomment>
        <translation>Stáhnout</translation>
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
        <translation>ŠPATNÁ</translation>
    </message>
    <message>
        <source>FAIR</source>
        <extracomment>Battery Heath ring message for state fair</extracomment>
        <translation>UJDE</translation>
    </message>
    <message>
        <source>GOOD</source>
        <extracomment>Battery Heath ring message for state good</extracomment>
        <translation>DOBRÁ</translation>
    </message>
    <message>
        <source>CHECK</source>
        <extracomment>Battery Heath ring message for state check battery</extracomment>
        <translation>ZKONTROLOVAT</translation>
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
        <translation>Otevřít Ampru</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Item of the tray icon&apos;s menu that opens the preferences window</extracomment>
        <translation>Předvolby…</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Item of the tray icon&apos;s menu that ends Ampra</extracomment>
        <translation>Ukončit</translation>
    </message>
</context>
<context>
    <name>UpdateAlert</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the dialog that answers a check for updates</extracomment>
        <translation>Aktualizace softwaru</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <extracomment>Headline of the update dialog when no newer version exists</extracomment>
        <translation>Máte nejnovější verzi!</translation>
    </message>
    <message>
        <source>Ampra %1 is currently the newest version available.</source>
        <extracomment>Text of the update dialog when no newer version exists; %1 the running version</extracomment>
        <translation>Ampra %1 je momentálně nejnovější dostupná verze.</translation>
    </message>
    <message>
        <source>Ampra %1 is now available. You have %2.</source>
        <extracomment>Text of the update dialog when a newer version exists; %1 the new version, %2 the running one</extracomment>
        <translation>Ampra %1 je nyní k dispozici. Máte %2.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <extracomment>Link to the release notes in the update dialog</extracomment>
        <translation>Poznámky k vydání</translation>
    </message>
    <message>
        <source>A new version of Ampra is available!</source>
        <extracomment>Headline of the update dialog when a newer version exists</extracomment>
        <translation>Je k dispozici nová verze Ampry!</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Button of the update dialog that opens the download page</extracomment>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog that closes it without downloading</extracomment>
        <translation>Později</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <extracomment>Headline of the update dialog when the check failed</extracomment>
        <translation>Chyba aktualizace!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <extracomment>Text of the update dialog when the check failed</extracomment>
        <translation>Při získávání informací o aktualizaci došlo k chybě. Zkuste to prosím později.</translation>
    </message>
</context>
<context>
    <name>WebVersionSupport</name>
    <message>
        <source>Check for update...</source>
        <extracomment>Check for update menu item</extracomment>
        <translation>Zkontrolovat aktualizace…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The battery could not be read.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; when the power supply files cannot be read</extracomment>
        <translation>Baterii nebylo možné přečíst.</translation>
    </message>
    <message>
        <source>No battery found.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; on a computer without a battery</extracomment>
        <translation>Nebyla nalezena žádná baterie.</translation>
    </message>
    <message>
        <source>The history was not exported: %1</source>
        <extracomment>Printed by &quot;ampra --export-history FILE&quot; when it fails; %1 is the reason, in English</extracomment>
        <translation>Historie nebyla exportována: %1</translation>
    </message>
    <message>
        <source>%1 does not load: %2</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot;; %1 is a picture&apos;s path, %2 the reason, in English</extracomment>
        <translation>%1 se nenačte: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) load.</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot; at the end</extracomment>
        <translation>
            <numerusform>Načten %n obrázek.</numerusform>
            <numerusform>Načteny %n obrázky.</numerusform>
            <numerusform>Načteno %n obrázků.</numerusform>
        </translation>
    </message>
</context>
</TS>
