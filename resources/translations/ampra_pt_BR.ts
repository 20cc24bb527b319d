<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Capacidade (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Heading of the calibration history&apos;s column of charge cycles</extracomment>
        <translation>Ciclos</translation>
    </message>
</context>
<context>
    <name>AMPCalibrationVC</name>
    <message>
        <source>Next calibration:</source>
        <extracomment>Caption before the date of the next calibration</extracomment>
        <translation>Próxima calibração:</translation>
    </message>
    <message>
        <source>About the next calibration</source>
        <extracomment>Accessible name of the button that opens the help about the next calibration date</extracomment>
        <translation>Sobre a próxima calibração</translation>
    </message>
    <message>
        <source>When is the next calibration?</source>
        <extracomment>Title of the first help paragraph about the next calibration date</extracomment>
        <translation>Quando é a próxima calibração?</translation>
    </message>
    <message>
        <source>Not a good moment?</source>
        <extracomment>Title of the second help paragraph about the next calibration date</extracomment>
        <translation>Não é uma boa hora?</translation>
    </message>
    <message>
        <source>You can change how often Ampra suggests a calibration in the Preferences.</source>
        <extracomment>Closing line of the help about the next calibration date</extracomment>
        <translation>Você pode mudar nas Preferências a frequência com que o Ampra sugere uma calibração.</translation>
    </message>
    <message>
        <source>About calibration</source>
        <extracomment>Accessible name of the button that opens the help about calibration</extracomment>
        <translation>Sobre a calibração</translation>
    </message>
    <message>
        <source>Why calibrate?</source>
        <extracomment>Title of the first help paragraph about calibration</extracomment>
        <translation>Por que calibrar?</translation>
    </message>
    <message>
        <source>The battery&apos;s gauge estimates how much charge is left. Taking the battery from full to almost empty lets it measure its capacity again, so that the percentage and the time estimates stay accurate.</source>
        <extracomment>First help paragraph about calibration</extracomment>
        <translation>O medidor da bateria estima quanta carga resta. Levar a bateria de cheia a quase vazia permite que ela meça de novo sua capacidade, para que a porcentagem e as estimativas de tempo continuem precisas.</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <extracomment>Title of the second help paragraph about calibration</extracomment>
        <translation>Como funciona?</translation>
    </message>
    <message>
        <source>Good to know</source>
        <extracomment>Title of the third help paragraph about calibration</extracomment>
        <translation>Bom saber</translation>
    </message>
    <message>
        <source>If the charger is plugged in too early, the calibration starts again at step 1. You never need to tell Ampra which step you are in: it follows the battery by itself.</source>
        <extracomment>Third help paragraph about calibration</extracomment>
        <translation>Se o carregador for conectado cedo demais, a calibração recomeça na etapa 1. Você nunca precisa dizer ao Ampra em que etapa está: ele acompanha a bateria sozinho.</translation>
    </message>
    <message>
        <source>Step instructions</source>
        <extracomment>Accessible name of the pages of calibration instructions</extracomment>
        <translation>Instruções da etapa</translation>
    </message>
    <message>
        <source>Completed calibrations</source>
        <extracomment>Caption of the calibration history table</extracomment>
        <translation>Calibrações concluídas</translation>
    </message>
    <message>
        <source>The battery&apos;s capacity measured at the end of each calibration, newest first.</source>
        <extracomment>Description under the caption of the calibration history table</extracomment>
        <translation>A capacidade da bateria medida ao fim de cada calibração, da mais recente para a mais antiga.</translation>
    </message>
    <message>
        <source>Calibration history</source>
        <extracomment>Accessible name of the calibration history table</extracomment>
        <translation>Histórico de calibrações</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Salvar o histórico de capacidade e as calibrações em um arquivo CSV</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A duration in whole hours</extracomment>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ampra suggests a calibration every %n day(s), counted from the last one completed.</source>
        <extracomment>Help about the next calibration date: how often a calibration is suggested</extracomment>
        <translation>
            <numerusform>O Ampra sugere uma calibração a cada %n dia, contado a partir da última concluída.</numerusform>
            <numerusform>O Ampra sugere uma calibração a cada %n dias, contados a partir da última concluída.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While a calibration is due you can postpone it by %n day(s). Ampra will not remind you of it until then.</source>
        <extracomment>Help about the next calibration date: what postponing does</extracomment>
        <translation>
            <numerusform>Quando uma calibração estiver pendente, você pode adiá-la por %n dia. O Ampra não vai lembrá-lo dela até lá.</numerusform>
            <numerusform>Quando uma calibração estiver pendente, você pode adiá-la por %n dias. O Ampra não vai lembrá-lo dela até lá.</numerusform>
        </translation>
    </message>
    <message>
        <source>Six steps: charge to full, keep the charger in for %1 more, unplug it, work on battery until the charge is under %2, suspend or switch off the laptop for %3, and come back with the charge still under %4.</source>
        <extracomment>Help about calibration: the six steps in one sentence (%1 and %3: durations in hours, %2 and %4: charge levels)</extracomment>
        <translation>Seis etapas: carregar por completo, manter o carregador conectado por mais %1, desconectá-lo, trabalhar na bateria até a carga ficar abaixo de %2, suspender ou desligar o notebook por %3 e voltar com a carga ainda abaixo de %4.</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n day(s)</source>
        <extracomment>The button that puts a due calibration off</extracomment>
        <translation>
            <numerusform>Adiar %n dia</numerusform>
            <numerusform>Adiar %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the charger unplugged.</source>
        <extracomment>Calibration steps 4 and 5: the charger</extracomment>
        <translation>Mantenha o carregador desconectado.</translation>
    </message>
    <message>
        <source>No calibration step is under way right now.</source>
        <extracomment>Calibration page shown while no step is under way</extracomment>
        <translation>Nenhuma etapa de calibração está em andamento no momento.</translation>
    </message>
    <message>
        <source>Ampra follows your battery and shows here what to do as soon as a step begins.</source>
        <extracomment>Calibration page shown while no step is under way: what Ampra does meanwhile</extracomment>
        <translation>O Ampra acompanha sua bateria e mostra aqui o que fazer assim que uma etapa começar.</translation>
    </message>
    <message>
        <source>Step 1: plug in the charger.</source>
        <extracomment>Calibration step 1: what the step is</extracomment>
        <translation>Etapa 1: conecte o carregador.</translation>
    </message>
    <message>
        <source>Connect your laptop to its charger and let the battery charge to %1.</source>
        <extracomment>Calibration step 1: the charger</extracomment>
        <translation>Conecte o notebook ao carregador e deixe a bateria carregar até %1.</translation>
    </message>
    <message>
        <source>You can go on working while it charges.</source>
        <extracomment>Calibration step 1: the laptop</extracomment>
        <translation>Você pode continuar trabalhando enquanto carrega.</translation>
    </message>
    <message>
        <source>Step 2: keep the charger connected.</source>
        <extracomment>Calibration step 2: what the step is</extracomment>
        <translation>Etapa 2: mantenha o carregador conectado.</translation>
    </message>
    <message>
        <source>The battery is full. Leave the charger plugged in for %1 more.</source>
        <extracomment>Calibration step 2: the charger</extracomment>
        <translation>A bateria está cheia. Deixe o carregador conectado por mais %1.</translation>
    </message>
    <message>
        <source>Keep using your laptop as usual.</source>
        <extracomment>Calibration step 2: the laptop</extracomment>
        <translation>Continue usando o notebook normalmente.</translation>
    </message>
    <message>
        <source>Step 3: unplug the charger.</source>
        <extracomment>Calibration step 3: what the step is</extracomment>
        <translation>Etapa 3: desconecte o carregador.</translation>
    </message>
    <message>
        <source>Disconnect the charger now.</source>
        <extracomment>Calibration step 3: the charger</extracomment>
        <translation>Desconecte o carregador agora.</translation>
    </message>
    <message>
        <source>Leave the laptop switched on: it runs on battery from now on.</source>
        <extracomment>Calibration step 3: the laptop</extracomment>
        <translation>Deixe o notebook ligado: a partir de agora ele funciona na bateria.</translation>
    </message>
    <message>
        <source>Step 4: work on battery.</source>
        <extracomment>Calibration step 4: what the step is</extracomment>
        <translation>Etapa 4: trabalhe na bateria.</translation>
    </message>
    <message>
        <source>Use your laptop until the charge falls under %1. Ampra tells you when it is time for the next step.</source>
        <extracomment>Calibration step 4: the laptop (%1: a charge level)</extracomment>
        <translation>Use o notebook até a carga ficar abaixo de %1. O Ampra avisa quando for hora da próxima etapa.</translation>
    </message>
    <message>
        <source>Step 5: let the laptop rest.</source>
        <extracomment>Calibration step 5: what the step is</extracomment>
        <translation>Etapa 5: deixe o notebook descansar.</translation>
    </message>
    <message>
        <source>Suspend the laptop (close the lid or choose Suspend) or switch it off, and leave it so for %1.</source>
        <extracomment>Calibration step 5: the laptop (%1: a duration in hours)</extracomment>
        <translation>Suspenda o notebook (feche a tampa ou escolha Suspender) ou desligue-o, e deixe-o assim por %1.</translation>
    </message>
    <message>
        <source>Step 6: the calibration is done.</source>
        <extracomment>Calibration step 6: what the step is</extracomment>
        <translation>Etapa 6: a calibração está concluída.</translation>
    </message>
    <message>
        <source>You can plug the charger in again.</source>
        <extracomment>Calibration step 6: the charger</extracomment>
        <translation>Você pode conectar o carregador de novo.</translation>
    </message>
    <message>
        <source>The charge was still under %1 after the rest: your battery is calibrated.</source>
        <extracomment>Calibration step 6: the laptop (%1: a charge level)</extracomment>
        <translation>A carga ainda estava abaixo de %1 após o descanso: sua bateria está calibrada.</translation>
    </message>
    <message>
        <source>%1h %2min</source>
        <extracomment>Time left in a calibration step (%1: hours, %2: minutes), as in 2h 5min</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>today_summary_message</source>
        <extracomment>Shown as the next calibration date when the calibration is due today or overdue</extracomment>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>It&apos;s not necessary to calibrate your battery right now. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Calibrated text</extracomment>
        <translation>Sua bateria não precisa de calibração agora. Se quiser calibrá-la mesmo assim, basta seguir as etapas abaixo.</translation>
    </message>
    <message>
        <source>Your battery needs to be calibrated. Follow the next step below to progress through the calibration progress. If you prefer not to be botherred by messages, you can postpone the calibration to next week.</source>
        <extracomment>PendingCalibration text</extracomment>
        <translation>Sua bateria precisa ser calibrada. Siga as etapas abaixo para fazer a calibração. Se preferir não ser incomodado por mensagens, você pode adiar a calibração.</translation>
    </message>
    <message>
        <source>The calibration is postponed. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Postponed text</extracomment>
        <translation>A calibração está adiada. Se quiser calibrar mesmo assim, basta seguir as etapas abaixo.</translation>
    </message>
    <message>
        <source>Calibraton is disabled.</source>
        <extracomment>Calibration off text</extracomment>
        <translation>A calibração está desativada.</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full and the calibration cannot go on. Lift the limit until the calibration is done: in your desktop&apos;s power settings or the laptop maker&apos;s tool, in TLP (STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf), or as root by writing 100 to charge_control_end_threshold in the battery&apos;s folder under /sys/class/power_supply.</source>
        <extracomment>Calibration step 1 when the laptop stops charging early (%1: a charge level such as 80%). Keep the names TLP, STOP_CHARGE_THRESH_BAT0, /etc/tlp.conf, charge_control_end_threshold and /sys/class/power_supply as they are.</extracomment>
        <translation>Este notebook para de carregar em %1, então a bateria nunca fica cheia e a calibração não pode continuar. Remova o limite até a calibração terminar: nas configurações de energia do seu ambiente de trabalho ou na ferramenta do fabricante, no TLP (STOP_CHARGE_THRESH_BAT0 em /etc/tlp.conf), ou como root escrevendo 100 em charge_control_end_threshold na pasta da bateria em /sys/class/power_supply.</translation>
    </message>
    <message>
        <source>hide_calibration_history_table</source>
        <extracomment>The button that hides the calibration history table</extracomment>
        <translation>Ocultar histórico</translation>
    </message>
    <message>
        <source>show_calibration_history_table</source>
        <extracomment>The button that shows the calibration history table</extracomment>
        <translation>Mostrar histórico</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The button in calibration step 1 that lifts the laptop&apos;s charge limit until the calibration ends (%1: 100%)</extracomment>
        <translation>Carregar até %1 nesta calibração</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full. Ampra can lift the limit until the calibration ends.</source>
        <extracomment>Calibration step 1 when Ampra can lift the laptop&apos;s charge limit, above the button that does it (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Este notebook para de carregar em %1, então a bateria nunca fica cheia. O Ampra pode remover o limite até o fim da calibração.</translation>
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
        <translation>Capacidade (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Header of the history column with the cycle count</extracomment>
        <translation>Ciclos</translation>
    </message>
</context>
<context>
    <name>AMPCapacityVC</name>
    <message>
        <source>Charge cycles done:</source>
        <extracomment>Caption of the number of charge cycles the battery has been through</extracomment>
        <translation>Ciclos de carga feitos:</translation>
    </message>
    <message>
        <source>Explain charge cycles</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about charge cycles</extracomment>
        <translation>Explicar ciclos de carga</translation>
    </message>
    <message>
        <source>Cycles by design:</source>
        <extracomment>Caption of the number of charge cycles the battery is designed for</extracomment>
        <translation>Ciclos de projeto:</translation>
    </message>
    <message>
        <source>What is a charge cycle?</source>
        <extracomment>Title of the help about charge cycles</extracomment>
        <translation>O que é um ciclo de carga?</translation>
    </message>
    <message>
        <source>A charge cycle is counted each time the battery has delivered as much energy as its full capacity, whether in one go or over several days: using half of it today and half tomorrow makes one cycle. The battery itself counts the cycles and Linux reads the count from the power supply driver; some batteries do not report it, and then it shows 0. A battery is built for a number of cycles, after which it holds noticeably less charge.</source>
        <extracomment>Help text about charge cycles, for a Linux laptop owner</extracomment>
        <translation>Um ciclo de carga é contado cada vez que a bateria fornece tanta energia quanto sua capacidade total, de uma vez ou ao longo de vários dias: usar metade hoje e metade amanhã conta como um ciclo. A própria bateria conta os ciclos e o Linux lê o número no driver de energia; algumas baterias não informam esse valor, e então aparece 0. Uma bateria é feita para um certo número de ciclos, depois dos quais ela guarda bem menos carga.</translation>
    </message>
    <message>
        <source>Design capacity (mAh):</source>
        <extracomment>Caption of the capacity the battery had when new, in milliampere-hours</extracomment>
        <translation>Capacidade de projeto (mAh):</translation>
    </message>
    <message>
        <source>Explain capacity</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about capacity</extracomment>
        <translation>Explicar capacidade</translation>
    </message>
    <message>
        <source>Full charge capacity (mAh):</source>
        <extracomment>Caption of the charge the battery holds today when full, in milliampere-hours, with its share of the design capacity</extracomment>
        <translation>Capacidade de carga total (mAh):</translation>
    </message>
    <message>
        <source>Why does the capacity fall?</source>
        <extracomment>Title of the help about the battery capacity</extracomment>
        <translation>Por que a capacidade diminui?</translation>
    </message>
    <message>
        <source>The design capacity is what the battery held when it was new; the full charge capacity is what it holds today when charged to the top. Every cycle, heat and long hours at full charge wear the cells a little, so the full charge capacity falls slowly over the years. The percentage compares both. A calibration lets the battery measure its full charge again, so the number you see matches the real one.</source>
        <extracomment>Help text about the design and the full charge capacity, for a Linux laptop owner</extracomment>
        <translation>A capacidade de projeto é o que a bateria guardava quando nova; a capacidade de carga total é o que ela guarda hoje quando carregada ao máximo. Cada ciclo, o calor e longas horas com carga total desgastam um pouco as células, e assim a capacidade de carga total cai devagar ao longo dos anos. A porcentagem compara as duas. Uma calibração permite que a bateria meça de novo a carga total, para que o número que você vê corresponda ao real.</translation>
    </message>
    <message>
        <source>Capacity history:</source>
        <extracomment>Caption of the table of capacities recorded when the battery was full</extracomment>
        <translation>Histórico de capacidade:</translation>
    </message>
    <message>
        <source>Capacity history</source>
        <extracomment>Accessible name of the table of recorded capacities</extracomment>
        <translation>Histórico de capacidade</translation>
    </message>
    <message>
        <source>Ampra records the full charge capacity and the cycle count each time the battery is fully charged. The newest 100 records are listed.</source>
        <extracomment>Text under the capacity history table</extracomment>
        <translation>O Ampra registra a capacidade de carga total e o número de ciclos cada vez que a bateria fica totalmente carregada. Os 100 registros mais recentes são listados.</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>Salvar o histórico de capacidade e as calibrações em um arquivo CSV</translation>
    </message>
</context>
<context>
    <name>AMPChargeVC</name>
    <message>
        <source>Power source:</source>
        <extracomment>Caption of the row that tells whether the computer runs on its power adapter or on battery</extracomment>
        <translation>Fonte de energia:</translation>
    </message>
    <message>
        <source>Battery status:</source>
        <extracomment>Caption of the row that tells whether the battery charges, is full or discharges</extracomment>
        <translation>Estado da bateria:</translation>
    </message>
    <message>
        <source>Charge:</source>
        <extracomment>Caption of the row with the battery charge in percent</extracomment>
        <translation>Carga:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <extracomment>Caption of the row with the time the battery lasts at the present use</extracomment>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>chargevc_acpowersource_text</source>
        <extracomment>Text to show when the computer is connected to power</extracomment>
        <translation>Adaptador de energia</translation>
    </message>
    <message>
        <source>chargevc_charged_message</source>
        <extracomment>Message to display when battery is charged</extracomment>
        <translation>Totalmente carregada</translation>
    </message>
    <message>
        <source>Charging stops at %1</source>
        <extracomment>Battery status on mains when the laptop stops charging early (%1: a charge level such as 80%)</extracomment>
        <translation>A carga para em %1</translation>
    </message>
    <message>
        <source>chargevc_charging_message</source>
        <extracomment>Message to display when battery is charging</extracomment>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>chargevc_batterypowersource_text</source>
        <extracomment>Text to show when the computer is running on battery</extracomment>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>chargevc_discharging_message</source>
        <extracomment>Message to display when battery is discharging</extracomment>
        <translation>Descarregando</translation>
    </message>
</context>
<context>
    <name>AMPHealthVC</name>
    <message>
        <source>Explain the lifespan</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about the battery lifespan</extracomment>
        <translation>Explicar a vida útil</translation>
    </message>
    <message>
        <source>What do the lifespan and the health word mean?</source>
        <extracomment>Title of the help about the battery lifespan and health</extracomment>
        <translation>O que significam a vida útil e a palavra de saúde?</translation>
    </message>
    <message>
        <source>A lithium-ion battery ages with use and with time. Its maker states a lifespan as a number of charge cycles after which it still keeps about 80% of its design capacity. The health word in the ring comes from the battery itself, through the Linux power supply driver: GOOD means it performs as designed, FAIR that it works with a reduced capacity, POOR that it can no longer deliver proper power, CHECK that the battery reports a fault and should be examined by a repair service. Many batteries report no health at all; the ring then shows &quot;-&quot;.</source>
        <extracomment>Help text about the battery lifespan and the health words, for a Linux laptop owner</extracomment>
        <translation>Uma bateria de íons de lítio envelhece com o uso e com o tempo. O fabricante informa a vida útil como um número de ciclos de carga após os quais ela ainda mantém cerca de 80% da capacidade de projeto. A palavra no anel vem da própria bateria, pelo driver de energia do Linux: BOA significa que ela funciona como projetada, RAZOÁVEL que funciona com capacidade reduzida, RUIM que não consegue mais fornecer energia adequada, VERIFICAR que a bateria relata uma falha e deve ser examinada por uma assistência técnica. Muitas baterias não informam saúde alguma; o anel mostra então &quot;-&quot;.</translation>
    </message>
    <message>
        <source>no_data_forHealthLifespan_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about lifespan</extracomment>
        <translation>O Ampra ainda não tem dados de vida útil desta bateria.</translation>
    </message>
    <message>
        <source>Lifespan: your Macbook battery is designed to retain up to 80%% of its original capacity and up to %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>Vida útil: a bateria do seu notebook foi projetada para manter até 80% da capacidade original por até %1 ciclos de carga.</translation>
    </message>
    <message numerus="yes">
        <source>Your battery capacity is currently at %@, and you have done %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>
            <numerusform>A capacidade da sua bateria está em %1 e você fez %2 ciclo de carga.</numerusform>
            <numerusform>A capacidade da sua bateria está em %1 e você fez %2 ciclos de carga.</numerusform>
        </translation>
    </message>
    <message>
        <source>no_data_forHealthCycles_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about cycles</extracomment>
        <translation>O Ampra ainda não tem o número de ciclos nem a capacidade desta bateria.</translation>
    </message>
    <message>
        <source>Currently we have no valid value to inform about the health of the installed power source.</source>
        <extracomment>Battery Heath ring explanation message for state unknown</extracomment>
        <translation>A bateria ainda não informou sua saúde.</translation>
    </message>
    <message>
        <source>&quot;-&quot; indicates that no information is given by the system regarding the battery health.</source>
        <extracomment>Battery Heath ring explanation message for state unknown of battery</extracomment>
        <translation>&quot;-&quot; significa que o sistema não dá informação sobre a saúde da bateria.</translation>
    </message>
    <message>
        <source>&quot;POOR&quot; describe a power source that&apos;s not capable of providing proper power.</source>
        <extracomment>Battery Heath ring explanation message for state poor</extracomment>
        <translation>&quot;RUIM&quot; descreve uma bateria que não consegue mais fornecer energia adequada.</translation>
    </message>
    <message>
        <source>&quot;FAIR&quot; describe a functional power source with limited capacity.</source>
        <extracomment>Battery Heath ring explanation message for state fair</extracomment>
        <translation>&quot;RAZOÁVEL&quot; descreve uma bateria que funciona com capacidade reduzida.</translation>
    </message>
    <message>
        <source>&quot;GOOD&quot; indicates that the battery is healthy and performing well.</source>
        <extracomment>Battery Heath ring explanation message for state good</extracomment>
        <translation>&quot;BOA&quot; significa que a bateria está saudável e funcionando bem.</translation>
    </message>
    <message>
        <source>&quot;CHECK&quot; indicates that the battery should be checked out by a licensed Mac repair service.</source>
        <extracomment>Battery Heath ring explanation message for state check battery</extracomment>
        <translation>&quot;VERIFICAR&quot; significa que a bateria relata uma falha e deve ser verificada por uma assistência técnica.</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAboutVC</name>
    <message>
        <source>app_version</source>
        <extracomment>Version</extracomment>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Title of the window with the libraries Ampra uses and their licences</extracomment>
        <translation>Agradecimentos</translation>
    </message>
    <message>
        <source>Libraries and licences</source>
        <extracomment>Accessible name of the text of the acknowledgements</extracomment>
        <translation>Bibliotecas e licenças</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the About page&apos;s picture shows, for screen readers</extracomment>
        <translation>O ícone do Ampra</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAppearanceVC</name>
    <message>
        <source>Automatic</source>
        <extracomment>Panel colour: Ampra tells the panel&apos;s colour from the desktop</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>Panel colour: the desktop panel is light, the icon is drawn dark</extracomment>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>Panel colour: the desktop panel is dark, the icon is drawn light</extracomment>
        <translation>Escuro</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesGeneralVC</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <extracomment>Number of weeks to schedule a calibration</extracomment>
        <translation>
            <numerusform>%Ln semana</numerusform>
            <numerusform>%Ln semanas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesNotificationsVC</name>
    <message>
        <source>Don&apos;t remind me</source>
        <extracomment>The user does not want to be reminded to unplug the laptop</extracomment>
        <translation>Não me lembrar</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <extracomment>Hours on mains power before the reminder to unplug</extracomment>
        <translation>
            <numerusform>%Ln hora</numerusform>
            <numerusform>%Ln horas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesTabVC</name>
    <message>
        <source>Ampra Preferences</source>
        <extracomment>Title of the preferences window</extracomment>
        <translation>Preferências do Ampra</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesWindow</name>
    <message>
        <source>General</source>
        <extracomment>Title of the General page of the preferences</extracomment>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Calibrate every:</source>
        <extracomment>Label of the list of calibration intervals in the preferences</extracomment>
        <translation>Calibrar a cada:</translation>
    </message>
    <message>
        <source>Calibration interval</source>
        <extracomment>Accessible name of the list of calibration intervals</extracomment>
        <translation>Intervalo de calibração</translation>
    </message>
    <message>
        <source>Ampra reminds you when the next battery calibration is due.</source>
        <extracomment>Explanation under the list of calibration intervals</extracomment>
        <translation>O Ampra avisa quando a próxima calibração da bateria estiver pendente.</translation>
    </message>
    <message>
        <source>Startup:</source>
        <extracomment>Label of the start-at-login check box in the preferences</extracomment>
        <translation>Inicialização:</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box that starts Ampra with the desktop session</extracomment>
        <translation>Iniciar o Ampra ao entrar na sessão</translation>
    </message>
    <message>
        <source>Energy:</source>
        <extracomment>Label of the button that opens the desktop power settings</extracomment>
        <translation>Energia:</translation>
    </message>
    <message>
        <source>Open Power Settings…</source>
        <extracomment>Button that opens the power settings of the desktop</extracomment>
        <translation>Abrir configurações de energia…</translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Title of the Notifications page of the preferences</extracomment>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Remind to unplug after:</source>
        <extracomment>Label of the list of unplug reminder intervals</extracomment>
        <translation>Lembrar de desconectar após:</translation>
    </message>
    <message>
        <source>Unplug reminder</source>
        <extracomment>Accessible name of the list of unplug reminder intervals</extracomment>
        <translation>Lembrete para desconectar</translation>
    </message>
    <message>
        <source>Time on mains power with the battery above 80 % before Ampra reminds you to unplug.</source>
        <extracomment>Explanation under the list of unplug reminder intervals</extracomment>
        <translation>Tempo na tomada com a bateria acima de 80% antes que o Ampra lembre você de desconectar.</translation>
    </message>
    <message>
        <source>Notify:</source>
        <extracomment>Label of the notification check boxes in the preferences</extracomment>
        <translation>Notificar:</translation>
    </message>
    <message>
        <source>When the power source changes</source>
        <extracomment>Check box: notify when the computer switches between mains and battery</extracomment>
        <translation>Quando a fonte de energia mudar</translation>
    </message>
    <message>
        <source>When the charge falls under</source>
        <extracomment>Check box: notify when the charge falls under the level beside it</extracomment>
        <translation>Quando a carga ficar abaixo de</translation>
    </message>
    <message>
        <source>Low charge level</source>
        <extracomment>Accessible name of the low charge level</extracomment>
        <translation>Nível de carga baixa</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Title of the Appearance page of the preferences</extracomment>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Tray item:</source>
        <extracomment>Label of the check boxes that choose what the tray item shows</extracomment>
        <translation>Item da bandeja:</translation>
    </message>
    <message>
        <source>Show the battery icon</source>
        <extracomment>Check box: the tray item shows the battery icon</extracomment>
        <translation>Mostrar o ícone da bateria</translation>
    </message>
    <message>
        <source>Show the charge percentage</source>
        <extracomment>Check box: the tray item shows the charge in percent</extracomment>
        <translation>Mostrar a porcentagem de carga</translation>
    </message>
    <message>
        <source>Show the remaining time</source>
        <extracomment>Check box: the tray item shows the time left to full or empty</extracomment>
        <translation>Mostrar o tempo restante</translation>
    </message>
    <message>
        <source>Draw the battery upright</source>
        <extracomment>Check box: the tray icon&apos;s battery stands upright instead of lying</extracomment>
        <translation>Desenhar a bateria na vertical</translation>
    </message>
    <message>
        <source>Draw the battery in colour</source>
        <extracomment>Check box: the tray icon shows the charge in green, orange or red</extracomment>
        <translation>Desenhar a bateria em cores</translation>
    </message>
    <message>
        <source>Show the percentage inside the icon</source>
        <extracomment>Check box: the charge in percent is written inside the tray icon, for panels that show no text beside icons</extracomment>
        <translation>Mostrar a porcentagem dentro do ícone</translation>
    </message>
    <message>
        <source>Panel:</source>
        <extracomment>Label of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Painel:</translation>
    </message>
    <message>
        <source>Panel colour</source>
        <extracomment>Accessible name of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>Cor do painel</translation>
    </message>
    <message>
        <source>Ampra draws the icon to suit the panel. Choose Light or Dark if it guesses wrong.</source>
        <extracomment>Explanation under the list of panel colours</extracomment>
        <translation>O Ampra desenha o ícone de acordo com o painel. Escolha Claro ou Escuro se ele errar.</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Title of the About page of the preferences</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Keeps your laptop battery healthy.</source>
        <extracomment>One line under the version on the About page</extracomment>
        <translation>Mantém a bateria do seu notebook saudável.</translation>
    </message>
    <message>
        <source>Show Tutorial</source>
        <extracomment>Button on the About page that opens the tutorial again</extracomment>
        <translation>Mostrar tutorial</translation>
    </message>
    <message>
        <source>Help Centre</source>
        <extracomment>Button on the About page that opens the online help in the browser</extracomment>
        <translation>Central de ajuda</translation>
    </message>
    <message>
        <source>Report a Problem…</source>
        <extracomment>Button on the About page that writes a problem report with the log attached</extracomment>
        <translation>Relatar um problema…</translation>
    </message>
    <message>
        <source>Contact Us…</source>
        <extracomment>Button on the About page that writes a mail to the developers</extracomment>
        <translation>Fale conosco…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Button on the About page that shows the libraries Ampra uses and their licences</extracomment>
        <translation>Agradecimentos</translation>
    </message>
    <message>
        <source>Charge limit:</source>
        <extracomment>Label of the check box that lifts the laptop&apos;s charge limit for calibrations</extracomment>
        <translation>Limite de carga:</translation>
    </message>
    <message>
        <source>Always for calibrations</source>
        <extracomment>Check box: lift the laptop&apos;s charge limit for every calibration without asking</extracomment>
        <translation>Sempre nas calibrações</translation>
    </message>
    <message>
        <source>A calibration needs a full charge. Ampra lifts the laptop&apos;s charge limit until the calibration ends, then switches it on again.</source>
        <extracomment>Explanation under the check box that lifts the charge limit for calibrations</extracomment>
        <translation>Uma calibração precisa de carga completa. O Ampra remove o limite de carga do notebook até o fim da calibração e depois o reativa.</translation>
    </message>
</context>
<context>
    <name>AMPStepInfoVC</name>
    <message>
        <source>Time left in this step:</source>
        <extracomment>Caption before the time the current calibration step still lasts</extracomment>
        <translation>Tempo restante nesta etapa:</translation>
    </message>
</context>
<context>
    <name>AMPStepsVC</name>
    <message>
        <source>Calibration steps</source>
        <extracomment>Accessible name of the strip of the six calibration steps</extracomment>
        <translation>Etapas da calibração</translation>
    </message>
    <message>
        <source>Use the left and right arrow keys to read the instructions of each step.</source>
        <extracomment>Accessible description of the calibration step strip</extracomment>
        <translation>Use as setas para a esquerda e para a direita para ler as instruções de cada etapa.</translation>
    </message>
    <message>
        <source>Plug in</source>
        <extracomment>Title of calibration step 1, under its tab; one short word</extracomment>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>Title of calibration step 2, under its tab; one short word</extracomment>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Unplug</source>
        <extracomment>Title of calibration step 3, under its tab; one short word</extracomment>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Drain</source>
        <extracomment>Title of calibration step 4, under its tab; one short word</extracomment>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>Title of calibration step 5, under its tab; one short word</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Title of calibration step 6, under its tab; one short word</extracomment>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>The state of a calibration step that is behind the user</extracomment>
        <translation>concluído</translation>
    </message>
    <message>
        <source>current step</source>
        <extracomment>The state of the calibration step the user is in</extracomment>
        <translation>etapa atual</translation>
    </message>
    <message>
        <source>finished</source>
        <extracomment>The state of the last calibration step once the calibration is complete</extracomment>
        <translation>finalizado</translation>
    </message>
    <message>
        <source>not done yet</source>
        <extracomment>The state of a calibration step still to come</extracomment>
        <translation>ainda não feito</translation>
    </message>
    <message>
        <source>Step %1 of %2, %3: %4</source>
        <extracomment>A calibration step for screen readers (%1: its number, %2: the number of steps, %3: its title, %4: its state), as in &quot;Step 2 of 6, Wait: done&quot;</extracomment>
        <translation>Etapa %1 de %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>AMPSummaryMasterVC</name>
    <message>
        <source>Settings</source>
        <extracomment>Tooltip of the button that opens the settings menu
----------
Name of the settings menu button for screen readers</extracomment>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Charge</source>
        <extracomment>Caption under the charge ring</extracomment>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Capacity</source>
        <extracomment>Caption under the capacity ring</extracomment>
        <translation>Capacidade</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Caption under the battery health ring</extracomment>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Days to calibration</source>
        <extracomment>Caption under the ring with the days until the next calibration</extracomment>
        <translation>Dias até a calibração</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Settings menu item that opens the preferences window</extracomment>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <extracomment>Settings menu item that opens the tutorial window</extracomment>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Quit Ampra</source>
        <extracomment>Settings menu item that quits the application</extracomment>
        <translation>Sair do Ampra</translation>
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
        <translation>Nenhuma bateria encontrada.
O Ampra mostra as leituras assim que houver uma bateria.</translation>
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
        <translation>Bem-vindo ao Ampra</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Where the reader is in the tutorial, as in &quot;2 of 3&quot;</extracomment>
        <translation>%L1 de %L2</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the first tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>O ícone do Ampra</translation>
    </message>
    <message>
        <source>A battery inside a circling arrow</source>
        <extracomment>What the second tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Uma bateria dentro de uma seta circular</translation>
    </message>
    <message>
        <source>A check mark in a green circle</source>
        <extracomment>What the last tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Uma marca de seleção em um círculo verde</translation>
    </message>
</context>
<context>
    <name>AMPTutorialWindow</name>
    <message>
        <source>Welcome to Ampra</source>
        <extracomment>Title of the first tutorial page</extracomment>
        <translation>Bem-vindo ao Ampra</translation>
    </message>
    <message>
        <source>Ampra lives in the tray of your panel. Its icon shows how full the battery is; click it to see the charge, the capacity, the health and the days until the next calibration.</source>
        <extracomment>Text of the first tutorial page</extracomment>
        <translation>O Ampra fica na bandeja do seu painel. O ícone mostra quão cheia está a bateria; clique nele para ver a carga, a capacidade, a saúde e os dias até a próxima calibração.</translation>
    </message>
    <message>
        <source>Calibrate now and then</source>
        <extracomment>Title of the second tutorial page</extracomment>
        <translation>Calibre de vez em quando</translation>
    </message>
    <message>
        <source>Every few weeks Ampra guides you through a calibration: charge to full, stay on mains power for two hours, run the battery down, then let the laptop sleep for five hours. A notification tells you each step. Ampra also reminds you to unplug when the laptop has been on mains power for too long.</source>
        <extracomment>Text of the second tutorial page</extracomment>
        <translation>A cada poucas semanas o Ampra guia você por uma calibração: carregar por completo, ficar na tomada por duas horas, descarregar a bateria e então deixar o notebook suspenso por cinco horas. Uma notificação avisa cada etapa. O Ampra também lembra você de desconectar quando o notebook fica na tomada por tempo demais.</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box on the tutorial that starts Ampra with the desktop session</extracomment>
        <translation>Iniciar o Ampra ao entrar na sessão</translation>
    </message>
    <message>
        <source>All set</source>
        <extracomment>Title of the last tutorial page</extracomment>
        <translation>Tudo pronto</translation>
    </message>
    <message>
        <source>Ampra is ready. Choose what the tray item shows and when Ampra reminds you in the preferences, from the settings menu of Ampra&apos;s window.</source>
        <extracomment>Text of the last tutorial page</extracomment>
        <translation>O Ampra está pronto. Escolha o que o item da bandeja mostra e quando o Ampra avisa você nas preferências, pelo menu de configurações da janela do Ampra.</translation>
    </message>
    <message>
        <source>Start Using Ampra</source>
        <extracomment>Last button of the tutorial: closes it and opens Ampra&apos;s window</extracomment>
        <translation>Começar a usar o Ampra</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Tutorial button to the previous page</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tutorial button to the next page</extracomment>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>BackgroundPortalLoginItem</name>
    <message>
        <source>Ampra watches the battery and reminds you of calibration steps from the moment you log in.</source>
        <extracomment>Why Ampra asks to run in the background, shown by the desktop&apos;s permission dialog</extracomment>
        <translation>O Ampra observa a bateria e lembra você das etapas da calibração desde o momento em que você entra na sessão.</translation>
    </message>
</context>
<context>
    <name>BatteryDataHijackWC</name>
    <message>
        <source>&amp;Override the battery readings</source>
        <extracomment>Check box of the developer window: while on, Ampra takes the values below instead of the battery&apos;s readings</extracomment>
        <translation>Substituir as leituras da &amp;bateria</translation>
    </message>
    <message>
        <source>While this is on, Ampra takes the values below instead of what the battery reports; the cycle count and the capacities keep their last real readings.</source>
        <extracomment>Explanation under the check box of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Enquanto isto estiver ativado, o Ampra usa os valores abaixo em vez do que a bateria informa; o número de ciclos e as capacidades mantêm suas últimas leituras reais.</translation>
    </message>
    <message>
        <source>&amp;Charge:</source>
        <extracomment>Label of the charge slider in the developer window</extracomment>
        <translation>&amp;Carga:</translation>
    </message>
    <message>
        <source>Charge in percent</source>
        <extracomment>Accessible name of the charge slider in the developer window</extracomment>
        <translation>Carga em porcentagem</translation>
    </message>
    <message>
        <source>&amp;Phase:</source>
        <extracomment>Label of the list of charge-cycle phases in the developer window</extracomment>
        <translation>&amp;Fase:</translation>
    </message>
    <message>
        <source>Charge-cycle phase</source>
        <extracomment>Accessible name of the list of charge-cycle phases in the developer window</extracomment>
        <translation>Fase do ciclo de carga</translation>
    </message>
    <message>
        <source>Po&amp;wer source:</source>
        <extracomment>Label of the power-source list in the developer window</extracomment>
        <translation>Fonte de &amp;energia:</translation>
    </message>
    <message>
        <source>Power source</source>
        <extracomment>Accessible name of the power-source list in the developer window</extracomment>
        <translation>Fonte de energia</translation>
    </message>
    <message>
        <source>&amp;Health:</source>
        <extracomment>Label of the battery health list in the developer window</extracomment>
        <translation>&amp;Saúde:</translation>
    </message>
    <message>
        <source>Battery health</source>
        <extracomment>Accessible name of the battery health list in the developer window</extracomment>
        <translation>Saúde da bateria</translation>
    </message>
    <message>
        <source>Phase 0: Starting to charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 0: começando a carregar</translation>
    </message>
    <message>
        <source>Phase 1: Charging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 1: carregando</translation>
    </message>
    <message>
        <source>Phase 2: Finishing Charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 2: terminando a carga</translation>
    </message>
    <message>
        <source>Phase 3: Charged</source>
        <extracomment>Item of the phase list in the battery override window: the battery is full</extracomment>
        <translation>Fase 3: carregada</translation>
    </message>
    <message>
        <source>Phase 4: Starting discharge</source>
        <extracomment>Item of the phase list in the battery override window: just unplugged</extracomment>
        <translation>Fase 4: começando a descarregar</translation>
    </message>
    <message>
        <source>Phase 5: Discharging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>Fase 5: descarregando</translation>
    </message>
    <message>
        <source>Phase 6: Finishing discharge</source>
        <extracomment>Item of the phase list in the battery override window: the battery is nearly empty</extracomment>
        <translation>Fase 6: terminando a descarga</translation>
    </message>
    <message>
        <source>AC Power</source>
        <extracomment>Item of the power-source list in the battery override window: on mains power</extracomment>
        <translation>Energia da tomada</translation>
    </message>
    <message>
        <source>Battery Power</source>
        <extracomment>Item of the power-source list in the battery override window</extracomment>
        <translation>Energia da bateria</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Boa</translation>
    </message>
    <message>
        <source>Fair</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Razoável</translation>
    </message>
    <message>
        <source>Poor</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>Ruim</translation>
    </message>
    <message>
        <source>Check Battery</source>
        <extracomment>Item of the health list in the battery override window: the system asks for a service</extracomment>
        <translation>Verificar bateria</translation>
    </message>
    <message>
        <source>Wrong Value</source>
        <extracomment>Item of the health list in the battery override window: a health the system never gives</extracomment>
        <translation>Valor errado</translation>
    </message>
    <message>
        <source>Battery Override</source>
        <extracomment>Title of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>Substituição da bateria</translation>
    </message>
</context>
<context>
    <name>BatteryManager</name>
    <message>
        <source>Calibration Done!!</source>
        <extracomment>Guide Message on state CalibrationDone.</extracomment>
        <translation>Calibração concluída!</translation>
    </message>
    <message>
        <source>Plug your Mac to fully charge it.</source>
        <extracomment>Guide Message on state InitCalibration.</extracomment>
        <translation>Conecte o computador na tomada e carregue-o por completo.</translation>
    </message>
    <message>
        <source>Keep your Mac Conected for a while.</source>
        <extracomment>Guide Message on state FullyCharged.</extracomment>
        <translation>Mantenha o computador conectado por mais um tempo.</translation>
    </message>
    <message>
        <source>You can disconnect your power adapter.</source>
        <extracomment>Guide Message on state DisconnectAdapter.</extracomment>
        <translation>Você pode desconectar o adaptador de energia.</translation>
    </message>
    <message>
        <source>Allow your Mac to sleep or switch it off.</source>
        <extracomment>Guide Message on state TurnItOff.</extracomment>
        <translation>Deixe o computador suspenso ou desligue-o.</translation>
    </message>
</context>
<context>
    <name>CapacityChart</name>
    <message>
        <source>Capacity over time</source>
        <extracomment>Accessible name of the chart of the full charge capacity over time</extracomment>
        <translation>Capacidade ao longo do tempo</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 the full charge capacity went from %3 to %4 mAh; %n calibration(s) marked.</source>
        <extracomment>Accessible description of the capacity chart: first and last date, first and last capacity in mAh, and how many calibrations it marks</extracomment>
        <translation>
            <numerusform>De %1 a %2 a capacidade de carga total foi de %3 para %4 mAh; %n calibração marcada.</numerusform>
            <numerusform>De %1 a %2 a capacidade de carga total foi de %3 para %4 mAh; %n calibrações marcadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh</source>
        <extracomment>Tooltip of a point of the capacity chart without a cycle count: its date and capacity</extracomment>
        <translation>%1
Capacidade: %2 mAh</translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh
Cycles: %3</source>
        <extracomment>Tooltip of a point of the capacity chart: its date, capacity and cycle count</extracomment>
        <translation>%1
Capacidade: %2 mAh
Ciclos: %3</translation>
    </message>
    <message>
        <source>Full charge</source>
        <extracomment>Legend of the capacity chart&apos;s line of full charge capacities</extracomment>
        <translation>Carga total</translation>
    </message>
    <message>
        <source>Design</source>
        <extracomment>Legend of the capacity chart&apos;s line at the design capacity</extracomment>
        <translation>Projeto</translation>
    </message>
    <message>
        <source>Calibration</source>
        <extracomment>Legend of the capacity chart&apos;s marks of completed calibrations</extracomment>
        <translation>Calibração</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print what the power supply files say about the main battery, and leave.</source>
        <extracomment>Help for &quot;ampra --print-battery&quot;</extracomment>
        <translation>Mostra o que os arquivos de energia dizem sobre a bateria principal e sai.</translation>
    </message>
    <message>
        <source>Write the capacity history and the calibrations to FILE as CSV, or to the standard output when FILE is -, and leave.</source>
        <extracomment>Help for &quot;ampra --export-history FILE&quot;</extracomment>
        <translation>Grava o histórico de capacidade e as calibrações em ARQUIVO como CSV, ou na saída padrão quando ARQUIVO é -, e sai.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>Placeholder for the file name in &quot;ampra --help&quot;</extracomment>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Start with a window that replaces the battery&apos;s readings with values set by hand, also on a computer without a battery.</source>
        <extracomment>Help for &quot;ampra --override-battery&quot;, a facility for developers</extracomment>
        <translation>Inicia com uma janela que substitui as leituras da bateria por valores definidos à mão, também em um computador sem bateria.</translation>
    </message>
    <message>
        <source>Ampra keeps an eye on your laptop&apos;s battery from the system tray.</source>
        <extracomment>Shown by &quot;ampra --help&quot; under the usage line</extracomment>
        <translation>O Ampra fica de olho na bateria do seu notebook a partir da bandeja do sistema.</translation>
    </message>
    <message>
        <source>Open the preferences window, in the Ampra that runs if there is one.</source>
        <extracomment>Help for &quot;ampra --preferences&quot;</extracomment>
        <translation>Abre a janela de preferências, no Ampra em execução, se houver um.</translation>
    </message>
    <message>
        <source>--export-history cannot be combined with --print-battery, --override-battery or --preferences.</source>
        <extracomment>Printed when &quot;ampra --export-history&quot; is given with another option that does something else</extracomment>
        <translation>--export-history não pode ser combinado com --print-battery, --override-battery ou --preferences.</translation>
    </message>
    <message>
        <source>Load every picture Ampra shows, name those that do not load, and leave.</source>
        <extracomment>Help for &quot;ampra --check-resources&quot;, a check for packagers</extracomment>
        <translation>Carregar todas as imagens que o Ampra mostra, apontar as que não carregam e sair.</translation>
    </message>
</context>
<context>
    <name>DetailViewTexts</name>
    <message>
        <source>no_data_text</source>
        <extracomment>Text to show when there is no data yet from the battery</extracomment>
        <translation>Aguardando a bateria…</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage (%1: a whole number, 57 for 57 percent); write the percent sign as your language does, with a no-break space before it if it takes a space</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Charging to %1 for the calibration, the %2 limit comes back afterwards</source>
        <extracomment>The battery status while Ampra has lifted the laptop&apos;s charge limit for a calibration (%1: 100%, %2: the limit, a charge level such as 80%)</extracomment>
        <translation>Carregando até %1 para a calibração, o limite de %2 volta depois</translation>
    </message>
</context>
<context>
    <name>HistoryExportDialog</name>
    <message>
        <source>Export Failed</source>
        <extracomment>Title of the message box when the history could not be exported</extracomment>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>The battery history could not be read.</source>
        <extracomment>Shown when the history is to be exported but the data store did not open</extracomment>
        <translation>Não foi possível ler o histórico da bateria.</translation>
    </message>
    <message>
        <source>Export Battery History</source>
        <extracomment>Title of the file dialog that saves the battery history</extracomment>
        <translation>Exportar histórico da bateria</translation>
    </message>
    <message>
        <source>ampra-history.csv</source>
        <extracomment>Suggested file name of the exported battery history</extracomment>
        <translation>historico-ampra.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>File type filter of the file dialog that saves the battery history</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The battery history could not be exported.

%1</source>
        <extracomment>Shown when the history could not be exported; %1 is the reason, in English</extracomment>
        <translation>Não foi possível exportar o histórico da bateria.

%1</translation>
    </message>
</context>
<context>
    <name>MailSupportHandler</name>
    <message>
        <source>type your subject here</source>
        <extracomment>Support eMail subject</extracomment>
        <translation>digite o assunto aqui</translation>
    </message>
    <message>
        <source>Hi Vantrel,</source>
        <extracomment>Support eMail body greeting</extracomment>
        <translation>Olá, Vantrel,</translation>
    </message>
    <message>
        <source>type your message here</source>
        <extracomment>Support eMail body content</extracomment>
        <translation>digite sua mensagem aqui</translation>
    </message>
    <message>
        <source>NOTE: The attached report files do NOT contain any personal information</source>
        <extracomment>Support eMail body attachement warnings</extracomment>
        <translation>OBSERVAÇÃO: os relatórios anexados NÃO contêm nenhuma informação pessoal</translation>
    </message>
</context>
<context>
    <name>MessageBoxErrorPresenter</name>
    <message>
        <source>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</source>
        <extracomment>Shown when the file with the calibration and capacity history cannot be opened</extracomment>
        <translation>O Ampra não consegue abrir o arquivo onde guarda o histórico. Ele continua sem salvar calibrações e leituras de capacidade.</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source>Change on power source</source>
        <extracomment>Title of the power source change notification</extracomment>
        <translation>Fonte de energia alterada</translation>
    </message>
    <message>
        <source>Now running on AC</source>
        <extracomment>Subtitle of the power source change notification when running on AC</extracomment>
        <translation>Agora usando a energia da tomada</translation>
    </message>
    <message>
        <source>Now running on battery</source>
        <extracomment>Subtitle of the power source change notification when running on battery</extracomment>
        <translation>Agora usando a bateria</translation>
    </message>
    <message>
        <source>Low battery</source>
        <extracomment>Title of the low battery notification</extracomment>
        <translation>Bateria fraca</translation>
    </message>
    <message>
        <source>Battery charge is under %u %%</source>
        <extracomment>Subtitle of the low battery notification (%1: the charge level crossed, a number from 1 to 100; write the percent sign as your language does)</extracomment>
        <translation>A carga da bateria está abaixo de %1%</translation>
    </message>
    <message>
        <source>Unplug your mac</source>
        <extracomment>Title of the notification for long connection time</extracomment>
        <translation>Desconecte o computador</translation>
    </message>
    <message>
        <source>You have been connected for too long</source>
        <extracomment>Subtitle of the notification for long connection time</extracomment>
        <translation>Seu computador está conectado na tomada há tempo demais</translation>
    </message>
    <message>
        <source>Calibration process:</source>
        <extracomment>Title of the notification for Calibration Proces</extracomment>
        <translation>Calibração da bateria</translation>
    </message>
    <message>
        <source>Ampra runs without a tray icon</source>
        <extracomment>Title of the notification shown when the desktop has no tray for Ampra&apos;s icon</extracomment>
        <translation>O Ampra está em execução sem ícone na bandeja</translation>
    </message>
    <message>
        <source>Open it again from the applications menu. On GNOME, a tray needs the AppIndicator extension.</source>
        <extracomment>Body of the notification shown when the desktop has no tray for Ampra&apos;s icon; &quot;AppIndicator&quot; is the name of a GNOME Shell extension</extracomment>
        <translation>Abra-o de novo pelo menu de aplicativos. No GNOME, a bandeja precisa da extensão AppIndicator.</translation>
    </message>
    <message>
        <source>The calibration needs a full charge</source>
        <extracomment>Title of the notification that offers to lift the laptop&apos;s charge limit for a calibration</extracomment>
        <translation>A calibração precisa de carga completa</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1. Ampra can lift the limit until the calibration ends and then switch it on again.</source>
        <extracomment>Body of the notification that offers to lift the laptop&apos;s charge limit (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>Este notebook para de carregar em %1. O Ampra pode remover o limite até o fim da calibração e depois reativá-lo.</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The notification&apos;s button that lifts the charge limit for the calibration under way (%1: 100%)</extracomment>
        <translation>Carregar até %1 nesta calibração</translation>
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
        <translation>Uma nova versão do Ampra está disponível</translation>
    </message>
    <message>
        <source>Ampra %1 is out. You have %2.</source>
        <extracomment>Body of the notification that a new version is out; %1 the new version, %2 the running one</extracomment>
        <translation>O Ampra %1 foi lançado. Você tem o %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Action of the new version notification that opens the download page</extracomment>
        <translation>Baixar</translation>
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
        <translation>RUIM</translation>
    </message>
    <message>
        <source>FAIR</source>
        <extracomment>Battery Heath ring message for state fair</extracomment>
        <translation>RAZOÁVEL</translation>
    </message>
    <message>
        <source>GOOD</source>
        <extracomment>Battery Heath ring message for state good</extracomment>
        <translation>BOA</translation>
    </message>
    <message>
        <source>CHECK</source>
        <extracomment>Battery Heath ring message for state check battery</extracomment>
        <translation>VERIFICAR</translation>
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
        <translation>Abrir o Ampra</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Item of the tray icon&apos;s menu that opens the preferences window</extracomment>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Item of the tray icon&apos;s menu that ends Ampra</extracomment>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>UpdateAlert</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the dialog that answers a check for updates</extracomment>
        <translation>Atualização de software</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <extracomment>Headline of the update dialog when no newer version exists</extracomment>
        <translation>Você está atualizado!</translation>
    </message>
    <message>
        <source>Ampra %1 is currently the newest version available.</source>
        <extracomment>Text of the update dialog when no newer version exists; %1 the running version</extracomment>
        <translation>O Ampra %1 é atualmente a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Ampra %1 is now available. You have %2.</source>
        <extracomment>Text of the update dialog when a newer version exists; %1 the new version, %2 the running one</extracomment>
        <translation>O Ampra %1 já está disponível. Você tem o %2.</translation>
    </message>
    <message>
        <source>Release notes</source>
        <extracomment>Link to the release notes in the update dialog</extracomment>
        <translation>Notas de lançamento</translation>
    </message>
    <message>
        <source>A new version of Ampra is available!</source>
        <extracomment>Headline of the update dialog when a newer version exists</extracomment>
        <translation>Uma nova versão do Ampra está disponível!</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Button of the update dialog that opens the download page</extracomment>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog that closes it without downloading</extracomment>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <extracomment>Headline of the update dialog when the check failed</extracomment>
        <translation>Erro na atualização!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <extracomment>Text of the update dialog when the check failed</extracomment>
        <translation>Ocorreu um erro ao obter as informações de atualização. Tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>WebVersionSupport</name>
    <message>
        <source>Check for update...</source>
        <extracomment>Check for update menu item</extracomment>
        <translation>Verificar atualizações…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The battery could not be read.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; when the power supply files cannot be read</extracomment>
        <translation>Não foi possível ler a bateria.</translation>
    </message>
    <message>
        <source>No battery found.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; on a computer without a battery</extracomment>
        <translation>Nenhuma bateria encontrada.</translation>
    </message>
    <message>
        <source>The history was not exported: %1</source>
        <extracomment>Printed by &quot;ampra --export-history FILE&quot; when it fails; %1 is the reason, in English</extracomment>
        <translation>O histórico não foi exportado: %1</translation>
    </message>
    <message>
        <source>%1 does not load: %2</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot;; %1 is a picture&apos;s path, %2 the reason, in English</extracomment>
        <translation>%1 não carrega: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) load.</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot; at the end</extracomment>
        <translation>
            <numerusform>%n imagem carregada.</numerusform>
            <numerusform>%n imagens carregadas.</numerusform>
        </translation>
    </message>
</context>
</TS>
