<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Capacità (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Heading of the calibration history&apos;s column of charge cycles</extracomment>
        <translation>Cicli</translation>
    </message>
</context>
<context>
    <name>AMPCalibrationVC</name>
    <message>
        <source>Next calibration:</source>
        <extracomment>Caption before the date of the next calibration</extracomment>
        <translation>Prossima calibrazione:</translation>
    </message>
    <message>
        <source>About the next calibration</source>
        <extracomment>Accessible name of the button that opens the help about the next calibration date</extracomment>
        <translation>Informazioni sulla prossima calibrazione</translation>
    </message>
    <message>
        <source>When is the next calibration?</source>
        <extracomment>Title of the first help paragraph about the next calibration date</extracomment>
        <translation>Quando è la prossima calibrazione?</translation>
    </message>
    <message>
        <source>Not a good moment?</source>
        <extracomment>Title of the second help paragraph about the next calibration date</extracomment>
        <translation>Non è il momento giusto?</translation>
    </message>
    <message>
        <source>You can change how often Ampra suggests a calibration in the Preferences.</source>
        <extracomment>Closing line of the help about the next calibration date</extracomment>
        <translation>Nelle Preferenze puoi scegliere ogni quanto Ampra propone una calibrazione.</translation>
    </message>
    <message>
        <source>About calibration</source>
        <extracomment>Accessible name of the button that opens the help about calibration</extracomment>
        <translation>Informazioni sulla calibrazione</translation>
    </message>
    <message>
        <source>Why calibrate?</source>
        <extracomment>Title of the first help paragraph about calibration</extracomment>
        <translation>Perché calibrare?</translation>
    </message>
    <message>
        <source>The battery&apos;s gauge estimates how much charge is left. Taking the battery from full to almost empty lets it measure its capacity again, so that the percentage and the time estimates stay accurate.</source>
        <extracomment>First help paragraph about calibration</extracomment>
        <translation>L&apos;indicatore della batteria stima quanta carica rimane. Portare la batteria da piena a quasi scarica le permette di misurare di nuovo la propria capacità, così la percentuale e le stime del tempo restano precise.</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <extracomment>Title of the second help paragraph about calibration</extracomment>
        <translation>Come funziona?</translation>
    </message>
    <message>
        <source>Good to know</source>
        <extracomment>Title of the third help paragraph about calibration</extracomment>
        <translation>Buono a sapersi</translation>
    </message>
    <message>
        <source>If the charger is plugged in too early, the calibration starts again at step 1. You never need to tell Ampra which step you are in: it follows the battery by itself.</source>
        <extracomment>Third help paragraph about calibration</extracomment>
        <translation>Se l&apos;alimentatore viene collegato troppo presto, la calibrazione riparte dal passaggio 1. Non devi mai dire ad Ampra a che passaggio sei: segue la batteria da solo.</translation>
    </message>
    <message>
        <source>Step instructions</source>
        <extracomment>Accessible name of the pages of calibration instructions</extracomment>
        <translation>Istruzioni del passaggio</translation>
    </message>
    <message>
        <source>Completed calibrations</source>
        <extracomment>Caption of the calibration history table</extracomment>
        <translation>Calibrazioni completate</translation>
    </message>
    <message>
        <source>The battery&apos;s capacity measured at the end of each calibration, newest first.</source>
        <extracomment>Description under the caption of the calibration history table</extracomment>
        <translation>La capacità della batteria misurata alla fine di ogni calibrazione, dalla più recente.</translation>
    </message>
    <message>
        <source>Calibration history</source>
        <extracomment>Accessible name of the calibration history table</extracomment>
        <translation>Cronologia delle calibrazioni</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Salva la cronologia della capacità e le calibrazioni in un file CSV</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A duration in whole hours</extracomment>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ampra suggests a calibration every %n day(s), counted from the last one completed.</source>
        <extracomment>Help about the next calibration date: how often a calibration is suggested</extracomment>
        <translation>
            <numerusform>Ampra propone una calibrazione ogni %n giorno, a partire dall&apos;ultima completata.</numerusform>
            <numerusform>Ampra propone una calibrazione ogni %n giorni, a partire dall&apos;ultima completata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While a calibration is due you can postpone it by %n day(s). Ampra will not remind you of it until then.</source>
        <extracomment>Help about the next calibration date: what postponing does</extracomment>
        <translation>
            <numerusform>Quando una calibrazione è prevista puoi rimandarla di %n giorno. Fino ad allora Ampra non te la ricorderà.</numerusform>
            <numerusform>Quando una calibrazione è prevista puoi rimandarla di %n giorni. Fino ad allora Ampra non te la ricorderà.</numerusform>
        </translation>
    </message>
    <message>
        <source>Six steps: charge to full, keep the charger in for %1 more, unplug it, work on battery until the charge is under %2, suspend or switch off the laptop for %3, and come back with the charge still under %4.</source>
        <extracomment>Help about calibration: the six steps in one sentence (%1 and %3: durations in hours, %2 and %4: charge levels)</extracomment>
        <translation>Sei passaggi: caricare al massimo, lasciare l&apos;alimentatore collegato per altre %1, scollegarlo, lavorare a batteria finché la carica scende sotto il %2, sospendere o spegnere il portatile per %3 e tornare con la carica ancora sotto il %4.</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n day(s)</source>
        <extracomment>The button that puts a due calibration off</extracomment>
        <translation>
            <numerusform>Rimanda di %n giorno</numerusform>
            <numerusform>Rimanda di %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the charger unplugged.</source>
        <extracomment>Calibration steps 4 and 5: the charger</extracomment>
        <translation>Lascia l&apos;alimentatore scollegato.</translation>
    </message>
    <message>
        <source>No calibration step is under way right now.</source>
        <extracomment>Calibration page shown while no step is under way</extracomment>
        <translation>Al momento non è in corso alcun passaggio della calibrazione.</translation>
    </message>
    <message>
        <source>Ampra follows your battery and shows here what to do as soon as a step begins.</source>
        <extracomment>Calibration page shown while no step is under way: what Ampra does meanwhile</extracomment>
        <translation>Ampra segue la batteria e qui ti mostra cosa fare non appena inizia un passaggio.</translation>
    </message>
    <message>
        <source>Step 1: plug in the charger.</source>
        <extracomment>Calibration step 1: what the step is</extracomment>
        <translation>Passaggio 1: collega l&apos;alimentatore.</translation>
    </message>
    <message>
        <source>Connect your laptop to its charger and let the battery charge to %1.</source>
        <extracomment>Calibration step 1: the charger</extracomment>
        <translation>Collega il portatile al suo alimentatore e lascia che la batteria si carichi fino al %1.</translation>
    </message>
    <message>
        <source>You can go on working while it charges.</source>
        <extracomment>Calibration step 1: the laptop</extracomment>
        <translation>Puoi continuare a lavorare mentre si carica.</translation>
    </message>
    <message>
        <source>Step 2: keep the charger connected.</source>
        <extracomment>Calibration step 2: what the step is</extracomment>
        <translation>Passaggio 2: lascia l&apos;alimentatore collegato.</translation>
    </message>
    <message>
        <source>The battery is full. Leave the charger plugged in for %1 more.</source>
        <extracomment>Calibration step 2: the charger</extracomment>
        <translation>La batteria è carica. Lascia l&apos;alimentatore collegato per altre %1.</translation>
    </message>
    <message>
        <source>Keep using your laptop as usual.</source>
        <extracomment>Calibration step 2: the laptop</extracomment>
        <translation>Continua a usare il portatile come sempre.</translation>
    </message>
    <message>
        <source>Step 3: unplug the charger.</source>
        <extracomment>Calibration step 3: what the step is</extracomment>
        <translation>Passaggio 3: scollega l&apos;alimentatore.</translation>
    </message>
    <message>
        <source>Disconnect the charger now.</source>
        <extracomment>Calibration step 3: the charger</extracomment>
        <translation>Scollega ora l&apos;alimentatore.</translation>
    </message>
    <message>
        <source>Leave the laptop switched on: it runs on battery from now on.</source>
        <extracomment>Calibration step 3: the laptop</extracomment>
        <translation>Lascia il portatile acceso: da adesso funziona a batteria.</translation>
    </message>
    <message>
        <source>Step 4: work on battery.</source>
        <extracomment>Calibration step 4: what the step is</extracomment>
        <translation>Passaggio 4: lavora a batteria.</translation>
    </message>
    <message>
        <source>Use your laptop until the charge falls under %1. Ampra tells you when it is time for the next step.</source>
        <extracomment>Calibration step 4: the laptop (%1: a charge level)</extracomment>
        <translation>Usa il portatile finché la carica scende sotto il %1. Ampra ti avvisa quando è il momento del passaggio successivo.</translation>
    </message>
    <message>
        <source>Step 5: let the laptop rest.</source>
        <extracomment>Calibration step 5: what the step is</extracomment>
        <translation>Passaggio 5: lascia riposare il portatile.</translation>
    </message>
    <message>
        <source>Suspend the laptop (close the lid or choose Suspend) or switch it off, and leave it so for %1.</source>
        <extracomment>Calibration step 5: the laptop (%1: a duration in hours)</extracomment>
        <translation>Sospendi il portatile (chiudi il coperchio o scegli Sospendi) oppure spegnilo, e lascialo così per %1.</translation>
    </message>
    <message>
        <source>Step 6: the calibration is done.</source>
        <extracomment>Calibration step 6: what the step is</extracomment>
        <translation>Passaggio 6: la calibrazione è completata.</translation>
    </message>
    <message>
        <source>You can plug the charger in again.</source>
        <extracomment>Calibration step 6: the charger</extracomment>
        <translation>Puoi ricollegare l&apos;alimentatore.</translation>
    </message>
    <message>
        <source>The charge was still under %1 after the rest: your battery is calibrated.</source>
        <extracomment>Calibration step 6: the laptop (%1: a charge level)</extracomment>
        <translation>Dopo il riposo la carica era ancora sotto il %1: la batteria è calibrata.</translation>
    </message>
    <message>
        <source>%1h %2min</source>
        <extracomment>Time left in a calibration step (%1: hours, %2: minutes), as in 2h 5min</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>today_summary_message</source>
        <extracomment>Shown as the next calibration date when the calibration is due today or overdue</extracomment>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>It&apos;s not necessary to calibrate your battery right now. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Calibrated text</extracomment>
        <translation>Al momento la batteria non ha bisogno di essere calibrata. Se vuoi calibrarla comunque, segui i passaggi qui sotto.</translation>
    </message>
    <message>
        <source>Your battery needs to be calibrated. Follow the next step below to progress through the calibration progress. If you prefer not to be botherred by messages, you can postpone the calibration to next week.</source>
        <extracomment>PendingCalibration text</extracomment>
        <translation>La batteria deve essere calibrata. Segui i passaggi qui sotto per eseguire la calibrazione. Se preferisci non ricevere messaggi, puoi rimandare la calibrazione.</translation>
    </message>
    <message>
        <source>The calibration is postponed. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Postponed text</extracomment>
        <translation>La calibrazione è rimandata. Se vuoi calibrare comunque, segui i passaggi qui sotto.</translation>
    </message>
    <message>
        <source>Calibraton is disabled.</source>
        <extracomment>Calibration off text</extracomment>
        <translation>La calibrazione è disattivata.</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full and the calibration cannot go on. Lift the limit until the calibration is done: in your desktop&apos;s power settings or the laptop maker&apos;s tool, in TLP (STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf), or as root by writing 100 to charge_control_end_threshold in the battery&apos;s folder under /sys/class/power_supply.</source>
        <extracomment>Calibration step 1 when the laptop stops charging early (%1: a charge level such as 80%). Keep the names TLP, STOP_CHARGE_THRESH_BAT0, /etc/tlp.conf, charge_control_end_threshold and /sys/class/power_supply as they are.</extracomment>
        <translation>Questo portatile smette di caricare al %1, quindi la batteria non è mai piena e la calibrazione non può proseguire. Togli il limite finché la calibrazione non è finita: nelle impostazioni di alimentazione del desktop o nello strumento del produttore, in TLP (STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf), oppure come root scrivendo 100 in charge_control_end_threshold nella cartella della batteria sotto /sys/class/power_supply.</translation>
    </message>
    <message>
        <source>hide_calibration_history_table</source>
        <extracomment>The button that hides the calibration history table</extracomment>
        <translation>Nascondi cronologia</translation>
    </message>
    <message>
        <source>show_calibration_history_table</source>
        <extracomment>The button that shows the calibration history table</extracomment>
        <translation>Mostra cronologia</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The button in calibration step 1 that lifts the laptop&apos;s charge limit until the calibration ends (%1: 100%)</extracomment>
        <translation>Carica al %1 per questa calibrazione</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full. Ampra can lift the limit until the calibration ends.</source>
        <extracomment>Calibration step 1 when Ampra can lift the laptop&apos;s charge limit, above the button that does it (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Questo portatile smette di caricare al %1, quindi la batteria non si riempie mai. Ampra può rimuovere il limite fino alla fine della calibrazione.</translation>
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
        <translation>Capacità (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Header of the history column with the cycle count</extracomment>
        <translation>Cicli</translation>
    </message>
</context>
<context>
    <name>AMPCapacityVC</name>
    <message>
        <source>Charge cycles done:</source>
        <extracomment>Caption of the number of charge cycles the battery has been through</extracomment>
        <translation>Cicli di carica eseguiti:</translation>
    </message>
    <message>
        <source>Explain charge cycles</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about charge cycles</extracomment>
        <translation>Spiega i cicli di carica</translation>
    </message>
    <message>
        <source>Cycles by design:</source>
        <extracomment>Caption of the number of charge cycles the battery is designed for</extracomment>
        <translation>Cicli previsti dal progetto:</translation>
    </message>
    <message>
        <source>What is a charge cycle?</source>
        <extracomment>Title of the help about charge cycles</extracomment>
        <translation>Che cos&apos;è un ciclo di carica?</translation>
    </message>
    <message>
        <source>A charge cycle is counted each time the battery has delivered as much energy as its full capacity, whether in one go or over several days: using half of it today and half tomorrow makes one cycle. The battery itself counts the cycles and Linux reads the count from the power supply driver; some batteries do not report it, and then it shows 0. A battery is built for a number of cycles, after which it holds noticeably less charge.</source>
        <extracomment>Help text about charge cycles, for a Linux laptop owner</extracomment>
        <translation>Un ciclo di carica viene contato ogni volta che la batteria ha erogato tanta energia quanta la sua capacità massima, in una volta sola o in più giorni: usarne metà oggi e metà domani fa un ciclo. È la batteria stessa a contare i cicli e Linux legge il numero dal driver di alimentazione; alcune batterie non lo comunicano, e allora appare 0. Una batteria è progettata per un certo numero di cicli, dopo i quali trattiene molta meno carica.</translation>
    </message>
    <message>
        <source>Design capacity (mAh):</source>
        <extracomment>Caption of the capacity the battery had when new, in milliampere-hours</extracomment>
        <translation>Capacità di progetto (mAh):</translation>
    </message>
    <message>
        <source>Explain capacity</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about capacity</extracomment>
        <translation>Spiega la capacità</translation>
    </message>
    <message>
        <source>Full charge capacity (mAh):</source>
        <extracomment>Caption of the charge the battery holds today when full, in milliampere-hours, with its share of the design capacity</extracomment>
        <translation>Capacità a piena carica (mAh):</translation>
    </message>
    <message>
        <source>Why does the capacity fall?</source>
        <extracomment>Title of the help about the battery capacity</extracomment>
        <translation>Perché la capacità diminuisce?</translation>
    </message>
    <message>
        <source>The design capacity is what the battery held when it was new; the full charge capacity is what it holds today when charged to the top. Every cycle, heat and long hours at full charge wear the cells a little, so the full charge capacity falls slowly over the years. The percentage compares both. A calibration lets the battery measure its full charge again, so the number you see matches the real one.</source>
        <extracomment>Help text about the design and the full charge capacity, for a Linux laptop owner</extracomment>
        <translation>La capacità di progetto è quanto conteneva la batteria da nuova; la capacità a piena carica è quanto contiene oggi quando è carica al massimo. Ogni ciclo, il calore e le lunghe ore a piena carica consumano un po&apos; le celle, così la capacità a piena carica cala lentamente negli anni. La percentuale confronta le due. Una calibrazione permette alla batteria di misurare di nuovo la piena carica, così il numero che vedi corrisponde a quello reale.</translation>
    </message>
    <message>
        <source>Capacity history:</source>
        <extracomment>Caption of the table of capacities recorded when the battery was full</extracomment>
        <translation>Cronologia della capacità:</translation>
    </message>
    <message>
        <source>Capacity history</source>
        <extracomment>Accessible name of the table of recorded capacities</extracomment>
        <translation>Cronologia della capacità</translation>
    </message>
    <message>
        <source>Ampra records the full charge capacity and the cycle count each time the battery is fully charged. The newest 100 records are listed.</source>
        <extracomment>Text under the capacity history table</extracomment>
        <translation>Ampra registra la capacità a piena carica e il numero di cicli ogni volta che la batteria è completamente carica. Sono elencate le 100 registrazioni più recenti.</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Salva la cronologia della capacità e le calibrazioni in un file CSV</translation>
    </message>
</context>
<context>
    <name>AMPChargeVC</name>
    <message>
        <source>Power source:</source>
        <extracomment>Caption of the row that tells whether the computer runs on its power adapter or on battery</extracomment>
        <translation>Alimentazione:</translation>
    </message>
    <message>
        <source>Battery status:</source>
        <extracomment>Caption of the row that tells whether the battery charges, is full or discharges</extracomment>
        <translation>Stato della batteria:</translation>
    </message>
    <message>
        <source>Charge:</source>
        <extracomment>Caption of the row with the battery charge in percent</extracomment>
        <translation>Carica:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <extracomment>Caption of the row with the time the battery lasts at the present use</extracomment>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>chargevc_acpowersource_text</source>
        <extracomment>Text to show when the computer is connected to power</extracomment>
        <translation>Alimentatore</translation>
    </message>
    <message>
        <source>chargevc_charged_message</source>
        <extracomment>Message to display when battery is charged</extracomment>
        <translation>Carica completa</translation>
    </message>
    <message>
        <source>Charging stops at %1</source>
        <extracomment>Battery status on mains when the laptop stops charging early (%1: a charge level such as 80%)</extracomment>
        <translation>La carica si ferma al %1</translation>
    </message>
    <message>
        <source>chargevc_charging_message</source>
        <extracomment>Message to display when battery is charging</extracomment>
        <translation>In carica</translation>
    </message>
    <message>
        <source>chargevc_batterypowersource_text</source>
        <extracomment>Text to show when the computer is running on battery</extracomment>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>chargevc_discharging_message</source>
        <extracomment>Message to display when battery is discharging</extracomment>
        <translation>In scarica</translation>
    </message>
</context>
<context>
    <name>AMPHealthVC</name>
    <message>
        <source>Explain the lifespan</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about the battery lifespan</extracomment>
        <translation>Spiega la durata</translation>
    </message>
    <message>
        <source>What do the lifespan and the health word mean?</source>
        <extracomment>Title of the help about the battery lifespan and health</extracomment>
        <translation>Cosa significano durata e parola di stato?</translation>
    </message>
    <message>
        <source>A lithium-ion battery ages with use and with time. Its maker states a lifespan as a number of charge cycles after which it still keeps about 80% of its design capacity. The health word in the ring comes from the battery itself, through the Linux power supply driver: GOOD means it performs as designed, FAIR that it works with a reduced capacity, POOR that it can no longer deliver proper power, CHECK that the battery reports a fault and should be examined by a repair service. Many batteries report no health at all; the ring then shows &quot;-&quot;.</source>
        <extracomment>Help text about the battery lifespan and the health words, for a Linux laptop owner</extracomment>
        <translation>Una batteria agli ioni di litio invecchia con l&apos;uso e con il tempo. Il produttore ne indica la durata come numero di cicli di carica dopo i quali conserva ancora circa l&apos;80% della capacità di progetto. La parola nell&apos;anello viene dalla batteria stessa, tramite il driver di alimentazione di Linux: BUONO significa che funziona come previsto, DISCRETO che funziona con una capacità ridotta, SCARSO che non riesce più a fornire un&apos;alimentazione adeguata, VERIFICA che la batteria segnala un guasto e dovrebbe essere esaminata da un centro di assistenza. Molte batterie non comunicano alcuno stato; l&apos;anello mostra allora &quot;-&quot;.</translation>
    </message>
    <message>
        <source>no_data_forHealthLifespan_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about lifespan</extracomment>
        <translation>Ampra non ha ancora dati sulla durata di questa batteria.</translation>
    </message>
    <message>
        <source>Lifespan: your Macbook battery is designed to retain up to 80%% of its original capacity and up to %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>Durata: la batteria del portatile è progettata per mantenere fino all&apos;80% della capacità originale e fino a %1 cicli di carica.</translation>
    </message>
    <message numerus="yes">
        <source>Your battery capacity is currently at %@, and you have done %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>
            <numerusform>La capacità della batteria è attualmente al %1 e hai eseguito %2 ciclo di carica.</numerusform>
            <numerusform>La capacità della batteria è attualmente al %1 e hai eseguito %2 cicli di carica.</numerusform>
        </translation>
    </message>
    <message>
        <source>no_data_forHealthCycles_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about cycles</extracomment>
        <translation>Ampra non ha ancora il numero di cicli né la capacità di questa batteria.</translation>
    </message>
    <message>
        <source>Currently we have no valid value to inform about the health of the installed power source.</source>
        <extracomment>Battery Heath ring explanation message for state unknown</extracomment>
        <translation>La batteria non ha ancora comunicato il suo stato.</translation>
    </message>
    <message>
        <source>&quot;-&quot; indicates that no information is given by the system regarding the battery health.</source>
        <extracomment>Battery Heath ring explanation message for state unknown of battery</extracomment>
        <translation>&quot;-&quot; significa che il sistema non fornisce informazioni sullo stato della batteria.</translation>
    </message>
    <message>
        <source>&quot;POOR&quot; describe a power source that&apos;s not capable of providing proper power.</source>
        <extracomment>Battery Heath ring explanation message for state poor</extracomment>
        <translation>&quot;SCARSO&quot; indica una batteria che non riesce più a fornire un&apos;alimentazione adeguata.</translation>
    </message>
    <message>
        <source>&quot;FAIR&quot; describe a functional power source with limited capacity.</source>
        <extracomment>Battery Heath ring explanation message for state fair</extracomment>
        <translation>&quot;DISCRETO&quot; indica una batteria funzionante ma con capacità ridotta.</translation>
    </message>
    <message>
        <source>&quot;GOOD&quot; indicates that the battery is healthy and performing well.</source>
        <extracomment>Battery Heath ring explanation message for state good</extracomment>
        <translation>&quot;BUONO&quot; significa che la batteria è in salute e funziona bene.</translation>
    </message>
    <message>
        <source>&quot;CHECK&quot; indicates that the battery should be checked out by a licensed Mac repair service.</source>
        <extracomment>Battery Heath ring explanation message for state check battery</extracomment>
        <translation>&quot;VERIFICA&quot; significa che la batteria segnala un guasto e dovrebbe essere controllata da un centro di assistenza.</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAboutVC</name>
    <message>
        <source>app_version</source>
        <extracomment>Version</extracomment>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Title of the window with the libraries Ampra uses and their licences</extracomment>
        <translation>Riconoscimenti</translation>
    </message>
    <message>
        <source>Libraries and licences</source>
        <extracomment>Accessible name of the text of the acknowledgements</extracomment>
        <translation>Librerie e licenze</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the About page&apos;s picture shows, for screen readers</extracomment>
        <translation>L’icona di Ampra</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAppearanceVC</name>
    <message>
        <source>Automatic</source>
        <extracomment>Panel colour: Ampra tells the panel&apos;s colour from the desktop</extracomment>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>Panel colour: the desktop panel is light, the icon is drawn dark</extracomment>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>Panel colour: the desktop panel is dark, the icon is drawn light</extracomment>
        <translation>Scuro</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesGeneralVC</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <extracomment>Number of weeks to schedule a calibration</extracomment>
        <translation>
            <numerusform>%Ln settimana</numerusform>
            <numerusform>%Ln settimane</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesNotificationsVC</name>
    <message>
        <source>Don&apos;t remind me</source>
        <extracomment>The user does not want to be reminded to unplug the laptop</extracomment>
        <translation>Non ricordarmelo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <extracomment>Hours on mains power before the reminder to unplug</extracomment>
        <translation>
            <numerusform>%Ln ora</numerusform>
            <numerusform>%Ln ore</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesTabVC</name>
    <message>
        <source>Ampra Preferences</source>
        <extracomment>Title of the preferences window</extracomment>
        <translation>Preferenze di Ampra</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesWindow</name>
    <message>
        <source>General</source>
        <extracomment>Title of the General page of the preferences</extracomment>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Calibrate every:</source>
        <extracomment>Label of the list of calibration intervals in the preferences</extracomment>
        <translation>Calibra ogni:</translation>
    </message>
    <message>
        <source>Calibration interval</source>
        <extracomment>Accessible name of the list of calibration intervals</extracomment>
        <translation>Intervallo di calibrazione</translation>
    </message>
    <message>
        <source>Ampra reminds you when the next battery calibration is due.</source>
        <extracomment>Explanation under the list of calibration intervals</extracomment>
        <translation>Ampra ti avvisa quando è prevista la prossima calibrazione della batteria.</translation>
    </message>
    <message>
        <source>Startup:</source>
        <extracomment>Label of the start-at-login check box in the preferences</extracomment>
        <translation>Avvio:</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box that starts Ampra with the desktop session</extracomment>
        <translation>Avvia Ampra all&apos;accesso</translation>
    </message>
    <message>
        <source>Energy:</source>
        <extracomment>Label of the button that opens the desktop power settings</extracomment>
        <translation>Energia:</translation>
    </message>
    <message>
        <source>Open Power Settings…</source>
        <extracomment>Button that opens the power settings of the desktop</extracomment>
        <translation>Apri impostazioni di alimentazione…</translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Title of the Notifications page of the preferences</extracomment>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>Remind to unplug after:</source>
        <extracomment>Label of the list of unplug reminder intervals</extracomment>
        <translation>Ricorda di scollegare dopo:</translation>
    </message>
    <message>
        <source>Unplug reminder</source>
        <extracomment>Accessible name of the list of unplug reminder intervals</extracomment>
        <translation>Promemoria per scollegare</translation>
    </message>
    <message>
        <source>Time on mains power with the battery above 80 % before Ampra reminds you to unplug.</source>
        <extracomment>Explanation under the list of unplug reminder intervals</extracomment>
        <translation>Tempo collegato alla corrente con la batteria sopra l&apos;80% prima che Ampra ti ricordi di scollegare.</translation>
    </message>
    <message>
        <source>Notify:</source>
        <extracomment>Label of the notification check boxes in the preferences</extracomment>
        <translation>Notifica:</translation>
    </message>
    <message>
        <source>When the power source changes</source>
        <extracomment>Check box: notify when the computer switches between mains and battery</extracomment>
        <translation>Quando cambia la fonte di alimentazione</translation>
    </message>
    <message>
        <source>When the charge falls under</source>
        <extracomment>Check box: notify when the charge falls under the level beside it</extracomment>
        <translation>Quando la carica scende sotto</translation>
    </message>
    <message>
        <source>Low charge level</source>
        <extracomment>Accessible name of the low charge level</extracomment>
        <translation>Livello di carica bassa</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Title of the Appearance page of the preferences</extracomment>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Tray item:</source>
        <extracomment>Label of the check boxes that choose what the tray item shows</extracomment>
        <translation>Elemento del pannello:</translation>
    </message>
    <message>
        <source>Show the battery icon</source>
        <extracomment>Check box: the tray item shows the battery icon</extracomment>
        <translation>Mostra l&apos;icona della batteria</translation>
    </message>
    <message>
        <source>Show the charge percentage</source>
        <extracomment>Check box: the tray item shows the charge in percent</extracomment>
        <translation>Mostra la percentuale di carica</translation>
    </message>
    <message>
        <source>Show the remaining time</source>
        <extracomment>Check box: the tray item shows the time left to full or empty</extracomment>
        <translation>Mostra il tempo rimanente</translation>
    </message>
    <message>
        <source>Draw the battery upright</source>
        <extracomment>Check box: the tray icon&apos;s battery stands upright instead of lying</extracomment>
        <translation>Disegna la batteria in verticale</translation>
    </message>
    <message>
        <source>Draw the battery in colour</source>
        <extracomment>Check box: the tray icon shows the charge in green, orange or red</extracomment>
        <translation>Disegna la batteria a colori</translation>
    </message>
    <message>
        <source>Show the percentage inside the icon</source>
        <extracomment>Check box: the charge in percent is written inside the tray icon, for panels that show no text beside icons</extracomment>
        <translation>Mostra la percentuale dentro l&apos;icona</translation>
    </message>
    <message>
        <source>Panel:</source>
        <extracomment>Label of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Pannello:</translation>
    </message>
    <message>
        <source>Panel colour</source>
        <extracomment>Accessible name of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Colore del pannello</translation>
    </message>
    <message>
        <source>Ampra draws the icon to suit the panel. Choose Light or Dark if it guesses wrong.</source>
        <extracomment>Explanation under the list of panel colours</extracomment>
        <translation>Ampra disegna l&apos;icona in base al pannello. Scegli Chiaro o Scuro se sbaglia.</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Title of the About page of the preferences</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Keeps your laptop battery healthy.</source>
        <extracomment>One line under the version on the About page</extracomment>
        <translation>Mantiene in salute la batteria del tuo portatile.</translation>
    </message>
    <message>
        <source>Show Tutorial</source>
        <extracomment>Button on the About page that opens the tutorial again</extracomment>
        <translation>Mostra tutorial</translation>
    </message>
    <message>
        <source>Help Centre</source>
        <extracomment>Button on the About page that opens the online help in the browser</extracomment>
        <translation>Centro assistenza</translation>
    </message>
    <message>
        <source>Report a Problem…</source>
        <extracomment>Button on the About page that writes a problem report with the log attached</extracomment>
        <translation>Segnala un problema…</translation>
    </message>
    <message>
        <source>Contact Us…</source>
        <extracomment>Button on the About page that writes a mail to the developers</extracomment>
        <translation>Contattaci…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Button on the About page that shows the libraries Ampra uses and their licences</extracomment>
        <translation>Riconoscimenti</translation>
    </message>
    <message>
        <source>Charge limit:</source>
        <extracomment>Label of the check box that lifts the laptop&apos;s charge limit for calibrations</extracomment>
        <translation>Limite di carica:</translation>
    </message>
    <message>
        <source>Always for calibrations</source>
        <extracomment>Check box: lift the laptop&apos;s charge limit for every calibration without asking</extracomment>
        <translation>Sempre per le calibrazioni</translation>
    </message>
    <message>
        <source>A calibration needs a full charge. Ampra lifts the laptop&apos;s charge limit until the calibration ends, then switches it on again.</source>
        <extracomment>Explanation under the check box that lifts the charge limit for calibrations</extracomment>
        <translation>Una calibrazione richiede una carica completa. Ampra rimuove il limite di carica del portatile fino alla fine della calibrazione, poi lo riattiva.</translation>
    </message>
</context>
<context>
    <name>AMPStepInfoVC</name>
    <message>
        <source>Time left in this step:</source>
        <extracomment>Caption before the time the current calibration step still lasts</extracomment>
        <translation>Tempo residuo del passaggio:</translation>
    </message>
</context>
<context>
    <name>AMPStepsVC</name>
    <message>
        <source>Calibration steps</source>
        <extracomment>Accessible name of the strip of the six calibration steps</extracomment>
        <translation>Passaggi della calibrazione</translation>
    </message>
    <message>
        <source>Use the left and right arrow keys to read the instructions of each step.</source>
        <extracomment>Accessible description of the calibration step strip</extracomment>
        <translation>Usa i tasti freccia sinistra e destra per leggere le istruzioni di ogni passaggio.</translation>
    </message>
    <message>
        <source>Plug in</source>
        <extracomment>Title of calibration step 1, under its tab; one short word</extracomment>
        <translation>Collega</translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>Title of calibration step 2, under its tab; one short word</extracomment>
        <translation>Attendi</translation>
    </message>
    <message>
        <source>Unplug</source>
        <extracomment>Title of calibration step 3, under its tab; one short word</extracomment>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>Drain</source>
        <extracomment>Title of calibration step 4, under its tab; one short word</extracomment>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>Title of calibration step 5, under its tab; one short word</extracomment>
        <translation>Riposo</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Title of calibration step 6, under its tab; one short word</extracomment>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>The state of a calibration step that is behind the user</extracomment>
        <translation>fatto</translation>
    </message>
    <message>
        <source>current step</source>
        <extracomment>The state of the calibration step the user is in</extracomment>
        <translation>passo attuale</translation>
    </message>
    <message>
        <source>finished</source>
        <extracomment>The state of the last calibration step once the calibration is complete</extracomment>
        <translation>completato</translation>
    </message>
    <message>
        <source>not done yet</source>
        <extracomment>The state of a calibration step still to come</extracomment>
        <translation>non ancora fatto</translation>
    </message>
    <message>
        <source>Step %1 of %2, %3: %4</source>
        <extracomment>A calibration step for screen readers (%1: its number, %2: the number of steps, %3: its title, %4: its state), as in &quot;Step 2 of 6, Wait: done&quot;</extracomment>
        <translation>Passo %1 di %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>AMPSummaryMasterVC</name>
    <message>
        <source>Settings</source>
        <extracomment>Tooltip of the button that opens the settings menu
----------
Name of the settings menu button for screen readers</extracomment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Charge</source>
        <extracomment>Caption under the charge ring</extracomment>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Capacity</source>
        <extracomment>Caption under the capacity ring</extracomment>
        <translation>Capacità</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Caption under the battery health ring</extracomment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Days to calibration</source>
        <extracomment>Caption under the ring with the days until the next calibration</extracomment>
        <translation>Giorni alla calibrazione</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Settings menu item that opens the preferences window</extracomment>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <extracomment>Settings menu item that opens the tutorial window</extracomment>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Quit Ampra</source>
        <extracomment>Settings menu item that quits the application</extracomment>
        <translation>Esci da Ampra</translation>
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
        <translation>Nessuna batteria trovata.
Ampra mostra i suoi valori non appena è presente una batteria.</translation>
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
        <translation>Benvenuto in Ampra</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Where the reader is in the tutorial, as in &quot;2 of 3&quot;</extracomment>
        <translation>%L1 di %L2</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the first tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>L’icona di Ampra</translation>
    </message>
    <message>
        <source>A battery inside a circling arrow</source>
        <extracomment>What the second tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Una batteria dentro una freccia circolare</translation>
    </message>
    <message>
        <source>A check mark in a green circle</source>
        <extracomment>What the last tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Un segno di spunta in un cerchio verde</translation>
    </message>
</context>
<context>
    <name>AMPTutorialWindow</name>
    <message>
        <source>Welcome to Ampra</source>
        <extracomment>Title of the first tutorial page</extracomment>
        <translation>Benvenuto in Ampra</translation>
    </message>
    <message>
        <source>Ampra lives in the tray of your panel. Its icon shows how full the battery is; click it to see the charge, the capacity, the health and the days until the next calibration.</source>
        <extracomment>Text of the first tutorial page</extracomment>
        <translation>Ampra vive nell&apos;area di notifica del pannello. La sua icona mostra quanto è carica la batteria; fai clic per vedere la carica, la capacità, lo stato e i giorni alla prossima calibrazione.</translation>
    </message>
    <message>
        <source>Calibrate now and then</source>
        <extracomment>Title of the second tutorial page</extracomment>
        <translation>Calibra ogni tanto</translation>
    </message>
    <message>
        <source>Every few weeks Ampra guides you through a calibration: charge to full, stay on mains power for two hours, run the battery down, then let the laptop sleep for five hours. A notification tells you each step. Ampra also reminds you to unplug when the laptop has been on mains power for too long.</source>
        <extracomment>Text of the second tutorial page</extracomment>
        <translation>Ogni qualche settimana Ampra ti guida in una calibrazione: caricare al massimo, restare collegato alla corrente per due ore, scaricare la batteria, poi lasciare il portatile in sospensione per cinque ore. Una notifica ti indica ogni passaggio. Ampra ti ricorda anche di scollegare quando il portatile è rimasto collegato alla corrente troppo a lungo.</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box on the tutorial that starts Ampra with the desktop session</extracomment>
        <translation>Avvia Ampra all&apos;accesso</translation>
    </message>
    <message>
        <source>All set</source>
        <extracomment>Title of the last tutorial page</extracomment>
        <translation>Tutto pronto</translation>
    </message>
    <message>
        <source>Ampra is ready. Choose what the tray item shows and when Ampra reminds you in the preferences, from the settings menu of Ampra&apos;s window.</source>
        <extracomment>Text of the last tutorial page</extracomment>
        <translation>Ampra è pronto. Nelle preferenze, dal menu impostazioni della finestra di Ampra, scegli cosa mostra l&apos;elemento del pannello e quando Ampra ti avvisa.</translation>
    </message>
    <message>
        <source>Start Using Ampra</source>
        <extracomment>Last button of the tutorial: closes it and opens Ampra&apos;s window</extracomment>
        <translation>Inizia a usare Ampra</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Tutorial button to the previous page</extracomment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tutorial button to the next page</extracomment>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>BackgroundPortalLoginItem</name>
    <message>
        <source>Ampra watches the battery and reminds you of calibration steps from the moment you log in.</source>
        <extracomment>Why Ampra asks to run in the background, shown by the desktop&apos;s permission dialog</extracomment>
        <translation>Ampra controlla la batteria e ti ricorda i passaggi della calibrazione dal momento in cui accedi.</translation>
    </message>
</context>
<context>
    <name>BatteryDataHijackWC</name>
    <message>
        <source>&amp;Override the battery readings</source>
        <extracomment>Check box of the developer window: while on, Ampra takes the values below instead of the battery&apos;s readings</extracomment>
        <translation>S&amp;ostituisci i valori della batteria</translation>
    </message>
    <message>
        <source>While this is on, Ampra takes the values below instead of what the battery reports; the cycle count and the capacities keep their last real readings.</source>
        <extracomment>Explanation under the check box of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Finché è attivo, Ampra usa i valori qui sotto invece di quelli comunicati dalla batteria; il numero di cicli e le capacità mantengono gli ultimi valori reali.</translation>
    </message>
    <message>
        <source>&amp;Charge:</source>
        <extracomment>Label of the charge slider in the developer window</extracomment>
        <translation>&amp;Carica:</translation>
    </message>
    <message>
        <source>Charge in percent</source>
        <extracomment>Accessible name of the charge slider in the developer window</extracomment>
        <translation>Carica in percentuale</translation>
    </message>
    <message>
        <source>&amp;Phase:</source>
        <extracomment>Label of the list of charge-cycle phases in the developer window</extracomment>
        <translation>&amp;Fase:</translation>
    </message>
    <message>
        <source>Charge-cycle phase</source>
        <extracomment>Accessible name of the list of charge-cycle phases in the developer window</extracomment>
        <translation>Fase del ciclo di carica</translation>
    </message>
    <message>
        <source>Po&amp;wer source:</source>
        <extracomment>Label of the power-source list in the developer window</extracomment>
        <translation>Fonte di a&amp;limentazione:</translation>
    </message>
    <message>
        <source>Power source</source>
        <extracomment>Accessible name of the power-source list in the developer window</extracomment>
        <translation>Fonte di alimentazione</translation>
    </message>
    <message>
        <source>&amp;Health:</source>
        <extracomment>Label of the battery health list in the developer window</extracomment>
        <translation>&amp;Stato:</translation>
    </message>
    <message>
        <source>Battery health</source>
        <extracomment>Accessible name of the battery health list in the developer window</extracomment>
        <translation>Stato della batteria</translation>
    </message>
    <message>
        <source>Phase 0: Starting to charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 0: inizio carica</translation>
    </message>
    <message>
        <source>Phase 1: Charging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 1: in carica</translation>
    </message>
    <message>
        <source>Phase 2: Finishing Charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 2: fine carica</translation>
    </message>
    <message>
        <source>Phase 3: Charged</source>
        <extracomment>Item of the phase list in the battery override window: the battery is full</extracomment>
        <translation>Fase 3: carica</translation>
    </message>
    <message>
        <source>Phase 4: Starting discharge</source>
        <extracomment>Item of the phase list in the battery override window: just unplugged</extracomment>
        <translation>Fase 4: inizio scarica</translation>
    </message>
    <message>
        <source>Phase 5: Discharging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 5: in scarica</translation>
    </message>
    <message>
        <source>Phase 6: Finishing discharge</source>
        <extracomment>Item of the phase list in the battery override window: the battery is nearly empty</extracomment>
        <translation>Fase 6: fine scarica</translation>
    </message>
    <message>
        <source>AC Power</source>
        <extracomment>Item of the power-source list in the battery override window: on mains power</extracomment>
        <translation>Corrente alternata</translation>
    </message>
    <message>
        <source>Battery Power</source>
        <extracomment>Item of the power-source list in the battery override window</extracomment>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Buono</translation>
    </message>
    <message>
        <source>Fair</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Discreto</translation>
    </message>
    <message>
        <source>Poor</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Scarso</translation>
    </message>
    <message>
        <source>Check Battery</source>
        <extracomment>Item of the health list in the battery override window: the system asks for a service</extracomment>
        <translation>Verifica batteria</translation>
    </message>
    <message>
        <source>Wrong Value</source>
        <extracomment>Item of the health list in the battery override window: a health the system never gives</extracomment>
        <translation>Valore errato</translation>
    </message>
    <message>
        <source>Battery Override</source>
        <extracomment>Title of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Sostituzione della batteria</translation>
    </message>
</context>
<context>
    <name>BatteryManager</name>
    <message>
        <source>Calibration Done!!</source>
        <extracomment>Guide Message on state CalibrationDone.</extracomment>
        <translation>Calibrazione completata!</translation>
    </message>
    <message>
        <source>Plug your Mac to fully charge it.</source>
        <extracomment>Guide Message on state InitCalibration.</extracomment>
        <translation>Collega il computer e caricalo completamente.</translation>
    </message>
    <message>
        <source>Keep your Mac Conected for a while.</source>
        <extracomment>Guide Message on state FullyCharged.</extracomment>
        <translation>Tieni il computer collegato ancora per un po&apos;.</translation>
    </message>
    <message>
        <source>You can disconnect your power adapter.</source>
        <extracomment>Guide Message on state DisconnectAdapter.</extracomment>
        <translation>Puoi scollegare l&apos;alimentatore.</translation>
    </message>
    <message>
        <source>Allow your Mac to sleep or switch it off.</source>
        <extracomment>Guide Message on state TurnItOff.</extracomment>
        <translation>Sospendi o spegni il computer.</translation>
    </message>
</context>
<context>
    <name>CapacityChart</name>
    <message>
        <source>Capacity over time</source>
        <extracomment>Accessible name of the chart of the full charge capacity over time</extracomment>
        <translation>Capacità nel tempo</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 the full charge capacity went from %3 to %4 mAh; %n calibration(s) marked.</source>
        <extracomment>Accessible description of the capacity chart: first and last date, first and last capacity in mAh, and how many calibrations it marks</extracomment>
        <translation>
            <numerusform>Dal %1 al %2 la capacità a piena carica è passata da %3 a %4 mAh; %n calibrazione segnata.</numerusform>
            <numerusform>Dal %1 al %2 la capacità a piena carica è passata da %3 a %4 mAh; %n calibrazioni segnate.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh</source>
        <extracomment>Tooltip of a point of the capacity chart without a cycle count: its date and capacity</extracomment>
        <translation>%1
Capacità: %2 mAh</translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh
Cycles: %3</source>
        <extracomment>Tooltip of a point of the capacity chart: its date, capacity and cycle count</extracomment>
        <translation>%1
Capacità: %2 mAh
Cicli: %3</translation>
    </message>
    <message>
        <source>Full charge</source>
        <extracomment>Legend of the capacity chart&apos;s line of full charge capacities</extracomment>
        <translation>Piena carica</translation>
    </message>
    <message>
        <source>Design</source>
        <extracomment>Legend of the capacity chart&apos;s line at the design capacity</extracomment>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Calibration</source>
        <extracomment>Legend of the capacity chart&apos;s marks of completed calibrations</extracomment>
        <translation>Calibrazione</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print what the power supply files say about the main battery, and leave.</source>
        <extracomment>Help for &quot;ampra --print-battery&quot;</extracomment>
        <translation>Stampa cosa dicono i file di alimentazione sulla batteria principale, ed esce.</translation>
    </message>
    <message>
        <source>Write the capacity history and the calibrations to FILE as CSV, or to the standard output when FILE is -, and leave.</source>
        <extracomment>Help for &quot;ampra --export-history FILE&quot;</extracomment>
        <translation>Scrive la cronologia della capacità e le calibrazioni in FILE come CSV, o sullo standard output se FILE è -, ed esce.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>Placeholder for the file name in &quot;ampra --help&quot;</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Start with a window that replaces the battery&apos;s readings with values set by hand, also on a computer without a battery.</source>
        <extracomment>Help for &quot;ampra --override-battery&quot;, a facility for developers</extracomment>
        <translation>Avvia con una finestra che sostituisce i valori della batteria con valori impostati a mano, anche su un computer senza batteria.</translation>
    </message>
    <message>
        <source>Ampra keeps an eye on your laptop&apos;s battery from the system tray.</source>
        <extracomment>Shown by &quot;ampra --help&quot; under the usage line</extracomment>
        <translation>Ampra tiene d&apos;occhio la batteria del tuo portatile dall&apos;area di notifica.</translation>
    </message>
    <message>
        <source>Open the preferences window, in the Ampra that runs if there is one.</source>
        <extracomment>Help for &quot;ampra --preferences&quot;</extracomment>
        <translation>Apre la finestra delle preferenze, nell&apos;Ampra già in esecuzione se ce n&apos;è uno.</translation>
    </message>
    <message>
        <source>--export-history cannot be combined with --print-battery, --override-battery or --preferences.</source>
        <extracomment>Printed when &quot;ampra --export-history&quot; is given with another option that does something else</extracomment>
        <translation>--export-history non può essere combinato con --print-battery, --override-battery o --preferences.</translation>
    </message>
    <message>
        <source>Load every picture Ampra shows, name those that do not load, and leave.</source>
        <extracomment>Help for &quot;ampra --check-resources&quot;, a check for packagers</extracomment>
        <translation>Carica tutte le immagini mostrate da Ampra, indica quelle che non si caricano ed esci.</translation>
    </message>
</context>
<context>
    <name>DetailViewTexts</name>
    <message>
        <source>no_data_text</source>
        <extracomment>Text to show when there is no data yet from the battery</extracomment>
        <translation>In attesa della batteria…</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage (%1: a whole number, 57 for 57 percent); write the percent sign as your language does, with a no-break space before it if it takes a space</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Charging to %1 for the calibration, the %2 limit comes back afterwards</source>
        <extracomment>The battery status while Ampra has lifted the laptop&apos;s charge limit for a calibration (%1: 100%, %2: the limit, a charge level such as 80%)</extracomment>
        <translation>In carica al %1 per la calibrazione, il limite del %2 torna dopo</translation>
    </message>
</context>
<context>
    <name>HistoryExportDialog</name>
    <message>
        <source>Export Failed</source>
        <extracomment>Title of the message box when the history could not be exported</extracomment>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>The battery history could not be read.</source>
        <extracomment>Shown when the history is to be exported but the data store did not open</extracomment>
        <translation>Impossibile leggere la cronologia della batteria.</translation>
    </message>
    <message>
        <source>Export Battery History</source>
        <extracomment>Title of the file dialog that saves the battery history</extracomment>
        <translation>Esporta cronologia della batteria</translation>
    </message>
    <message>
        <source>ampra-history.csv</source>
        <extracomment>Suggested file name of the exported battery history</extracomment>
        <translation>cronologia-ampra.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>File type filter of the file dialog that saves the battery history</extracomment>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The battery history could not be exported.

%1</source>
        <extracomment>Shown when the history could not be exported; %1 is the reason, in English</extracomment>
        <translation>Impossibile esportare la cronologia della batteria.

%1</translation>
    </message>
</context>
<context>
    <name>MailSupportHandler</name>
    <message>
        <source>type your subject here</source>
        <extracomment>Support eMail subject</extracomment>
        <translation>scrivi qui l&apos;oggetto</translation>
    </message>
    <message>
        <source>Hi Vantrel,</source>
        <extracomment>Support eMail body greeting</extracomment>
        <translation>Ciao Vantrel,</translation>
    </message>
    <message>
        <source>type your message here</source>
        <extracomment>Support eMail body content</extracomment>
        <translation>scrivi qui il tuo messaggio</translation>
    </message>
    <message>
        <source>NOTE: The attached report files do NOT contain any personal information</source>
        <extracomment>Support eMail body attachement warnings</extracomment>
        <translation>NOTA: i rapporti allegati NON contengono alcuna informazione personale</translation>
    </message>
</context>
<context>
    <name>MessageBoxErrorPresenter</name>
    <message>
        <source>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</source>
        <extracomment>Shown when the file with the calibration and capacity history cannot be opened</extracomment>
        <translation>Ampra non riesce ad aprire il file in cui conserva la cronologia. Continua senza salvare calibrazioni e valori di capacità.</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source>Change on power source</source>
        <extracomment>Title of the power source change notification</extracomment>
        <translation>Fonte di alimentazione cambiata</translation>
    </message>
    <message>
        <source>Now running on AC</source>
        <extracomment>Subtitle of the power source change notification when running on AC</extracomment>
        <translation>Ora funziona a corrente</translation>
    </message>
    <message>
        <source>Now running on battery</source>
        <extracomment>Subtitle of the power source change notification when running on battery</extracomment>
        <translation>Ora funziona a batteria</translation>
    </message>
    <message>
        <source>Low battery</source>
        <extracomment>Title of the low battery notification</extracomment>
        <translation>Batteria scarica</translation>
    </message>
    <message>
        <source>Battery charge is under %u %%</source>
        <extracomment>Subtitle of the low battery notification (%1: the charge level crossed, a number from 1 to 100; write the percent sign as your language does)</extracomment>
        <translation>La carica della batteria è sotto il %1%</translation>
    </message>
    <message>
        <source>Unplug your mac</source>
        <extracomment>Title of the notification for long connection time</extracomment>
        <translation>Scollega il computer</translation>
    </message>
    <message>
        <source>You have been connected for too long</source>
        <extracomment>Subtitle of the notification for long connection time</extracomment>
        <translation>Il computer è collegato alla corrente da troppo tempo</translation>
    </message>
    <message>
        <source>Calibration process:</source>
        <extracomment>Title of the notification for Calibration Proces</extracomment>
        <translation>Calibrazione della batteria</translation>
    </message>
    <message>
        <source>Ampra runs without a tray icon</source>
        <extracomment>Title of the notification shown when the desktop has no tray for Ampra&apos;s icon</extracomment>
        <translation>Ampra è in esecuzione senza icona nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Open it again from the applications menu. On GNOME, a tray needs the AppIndicator extension.</source>
        <extracomment>Body of the notification shown when the desktop has no tray for Ampra&apos;s icon; &quot;AppIndicator&quot; is the name of a GNOME Shell extension</extracomment>
        <translation>Riaprilo dal menu delle applicazioni. Su GNOME, l&apos;area di notifica richiede l&apos;estensione AppIndicator.</translation>
    </message>
    <message>
        <source>The calibration needs a full charge</source>
        <extracomment>Title of the notification that offers to lift the laptop&apos;s charge limit for a calibration</extracomment>
        <translation>La calibrazione richiede una carica completa</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1. Ampra can lift the limit until the calibration ends and then switch it on again.</source>
        <extracomment>Body of the notification that offers to lift the laptop&apos;s charge limit (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Questo portatile smette di caricare al %1. Ampra può rimuovere il limite fino alla fine della calibrazione e poi riattivarlo.</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The notification&apos;s button that lifts the charge limit for the calibration under way (%1: 100%)</extracomment>
        <translation>Carica al %1 per questa calibrazione</translation>
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
        <translation>È disponibile una nuova versione di Ampra</translation>
    </message>
    <message>
        <source>Ampra %1 is out. You have %2.</source>
        <extracomment>Body of the notification that a new version is out; %1 the new version, %2 the running one</extracomment>
        <translation>È uscito Ampra %1. Tu hai la %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Action of the new version notification that opens the download page</extracomment>
        <translation>Scarica</translation>
    </message>
</context>
<context>
    <name>StatusBarC</name>
    <message>
        <source>Ampra — %1</source>
        <extracomment>Tooltip of the tray icon, also the only line some panels show on hover; %1 is the charge and the time left, as &quot;70% (2:05)&quot;</extracomment>
        <translation>Ampra — %1</translation>
    </message>
</context>
<context>
    <name>SummaryRings</name>
    <message>
        <source>POOR</source>
        <extracomment>Battery Heath ring message for state poor</extracomment>
        <translation>SCARSO</translation>
    </message>
    <message>
        <source>FAIR</source>
        <extracomment>Battery Heath ring message for state fair</extracomment>
        <translation>DISCRETO</translation>
    </message>
    <message>
        <source>GOOD</source>
        <extracomment>Battery Heath ring message for state good</extracomment>
        <translation>BUONO</translation>
    </message>
    <message>
        <source>CHECK</source>
        <extracomment>Battery Heath ring message for state check battery</extracomment>
        <translation>VERIFICA</translation>
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
        <translation>Apri Ampra</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Item of the tray icon&apos;s menu that opens the preferences window</extracomment>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Item of the tray icon&apos;s menu that ends Ampra</extracomment>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>UpdateAlert</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the dialog that answers a check for updates</extracomment>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <extracomment>Headline of the update dialog when no newer version exists</extracomment>
        <translation>Sei aggiornato!</translation>
    </message>
    <message>
        <source>Ampra %1 is currently the newest version available.</source>
        <extracomment>Text of the update dialog when no newer version exists; %1 the running version</extracomment>
        <translation>Ampra %1 è attualmente la versione più recente disponibile.</translation>
    </message>
    <message>
        <source>Ampra %1 is now available. You have %2.</source>
        <extracomment>Text of the update dialog when a newer version exists; %1 the new version, %2 the running one</extracomment>
        <translation>Ampra %1 è ora disponibile. Tu hai la %2.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <extracomment>Link to the release notes in the update dialog</extracomment>
        <translation>Note di rilascio</translation>
    </message>
    <message>
        <source>A new version of Ampra is available!</source>
        <extracomment>Headline of the update dialog when a newer version exists</extracomment>
        <translation>È disponibile una nuova versione di Ampra!</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Button of the update dialog that opens the download page</extracomment>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog that closes it without downloading</extracomment>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <extracomment>Headline of the update dialog when the check failed</extracomment>
        <translation>Errore di aggiornamento!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <extracomment>Text of the update dialog when the check failed</extracomment>
        <translation>Si è verificato un errore durante il recupero delle informazioni sugli aggiornamenti. Riprova più tardi.</translation>
    </message>
</context>
<context>
    <name>WebVersionSupport</name>
    <message>
        <source>Check for update...</source>
        <extracomment>Check for update menu item</extracomment>
        <translation>Controlla aggiornamenti…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The battery could not be read.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; when the power supply files cannot be read</extracomment>
        <translation>Impossibile leggere la batteria.</translation>
    </message>
    <message>
        <source>No battery found.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; on a computer without a battery</extracomment>
        <translation>Nessuna batteria trovata.</translation>
    </message>
    <message>
        <source>The history was not exported: %1</source>
        <extracomment>Printed by &quot;ampra --export-history FILE&quot; when it fails; %1 is the reason, in English</extracomment>
        <translation>La cronologia non è stata esportata: %1</translation>
    </message>
    <message>
        <source>%1 does not load: %2</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot;; %1 is a picture&apos;s path, %2 the reason, in English</extracomment>
        <translation>%1 non si carica: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) load.</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot; at the end</extracomment>
        <translation>
            <numerusform>%n immagine caricata.</numerusform>
            <numerusform>%n immagini caricate.</numerusform>
        </translation>
    </message>
</context>
</TS>
