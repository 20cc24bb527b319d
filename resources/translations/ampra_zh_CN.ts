<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AMPCalibrationTableDataProvider</name>
    <message>
        <source>Date</source>
        <extracomment>Heading of the calibration history&apos;s column of dates</extracomment>
        <translation>日期</translation>
    </message>
    <message>
        <source>Capacity (mAh)</source>
        <extracomment>Heading of the calibration history&apos;s column of capacities (mAh, share of the design)</extracomment>
        <translation>容量 (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Heading of the calibration history&apos;s column of charge cycles</extracomment>
        <translation>循环次数</translation>
    </message>
</context>
<context>
    <name>AMPCalibrationVC</name>
    <message>
        <source>Next calibration:</source>
        <extracomment>Caption before the date of the next calibration</extracomment>
        <translation>下次校准：</translation>
    </message>
    <message>
        <source>About the next calibration</source>
        <extracomment>Accessible name of the button that opens the help about the next calibration date</extracomment>
        <translation>关于下次校准</translation>
    </message>
    <message>
        <source>When is the next calibration?</source>
        <extracomment>Title of the first help paragraph about the next calibration date</extracomment>
        <translation>下次校准是什么时候？</translation>
    </message>
    <message>
        <source>Not a good moment?</source>
        <extracomment>Title of the second help paragraph about the next calibration date</extracomment>
        <translation>现在不方便？</translation>
    </message>
    <message>
        <source>You can change how often Ampra suggests a calibration in the Preferences.</source>
        <extracomment>Closing line of the help about the next calibration date</extracomment>
        <translation>您可以在首选项中更改 Ampra 建议校准的频率。</translation>
    </message>
    <message>
        <source>About calibration</source>
        <extracomment>Accessible name of the button that opens the help about calibration</extracomment>
        <translation>关于校准</translation>
    </message>
    <message>
        <source>Why calibrate?</source>
        <extracomment>Title of the first help paragraph about calibration</extracomment>
        <translation>为什么要校准？</translation>
    </message>
    <message>
        <source>The battery&apos;s gauge estimates how much charge is left. Taking the battery from full to almost empty lets it measure its capacity again, so that the percentage and the time estimates stay accurate.</source>
        <extracomment>First help paragraph about calibration</extracomment>
        <translation>电池电量计会估算剩余电量。让电池从充满用到几乎耗尽，可以让它重新测量自身容量，使百分比和时间估算保持准确。</translation>
    </message>
    <message>
        <source>How does it work?</source>
        <extracomment>Title of the second help paragraph about calibration</extracomment>
        <translation>如何进行？</translation>
    </message>
    <message>
        <source>Good to know</source>
        <extracomment>Title of the third help paragraph about calibration</extracomment>
        <translation>须知</translation>
    </message>
    <message>
        <source>If the charger is plugged in too early, the calibration starts again at step 1. You never need to tell Ampra which step you are in: it follows the battery by itself.</source>
        <extracomment>Third help paragraph about calibration</extracomment>
        <translation>如果过早接上充电器，校准会从第 1 步重新开始。您无需告诉 Ampra 您进行到了哪一步：它会自行跟踪电池。</translation>
    </message>
    <message>
        <source>Step instructions</source>
        <extracomment>Accessible name of the pages of calibration instructions</extracomment>
        <translation>步骤说明</translation>
    </message>
    <message>
        <source>Completed calibrations</source>
        <extracomment>Caption of the calibration history table</extracomment>
        <translation>已完成的校准</translation>
    </message>
    <message>
        <source>The battery&apos;s capacity measured at the end of each calibration, newest first.</source>
        <extracomment>Description under the caption of the calibration history table</extracomment>
        <translation>每次校准结束时测得的电池容量，最新的在前。</translation>
    </message>
    <message>
        <source>Calibration history</source>
        <extracomment>Accessible name of the calibration history table</extracomment>
        <translation>校准历史</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>将容量历史和校准记录保存为 CSV 文件</translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A duration in whole hours</extracomment>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ampra suggests a calibration every %n day(s), counted from the last one completed.</source>
        <extracomment>Help about the next calibration date: how often a calibration is suggested</extracomment>
        <translation>
            <numerusform>Ampra 每 %n 天建议一次校准，从上次完成的校准起算。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While a calibration is due you can postpone it by %n day(s). Ampra will not remind you of it until then.</source>
        <extracomment>Help about the next calibration date: what postponing does</extracomment>
        <translation>
            <numerusform>校准到期时，您可以将其推迟 %n 天。在此之前 Ampra 不会提醒您。</numerusform>
        </translation>
    </message>
    <message>
        <source>Six steps: charge to full, keep the charger in for %1 more, unplug it, work on battery until the charge is under %2, suspend or switch off the laptop for %3, and come back with the charge still under %4.</source>
        <extracomment>Help about calibration: the six steps in one sentence (%1 and %3: durations in hours, %2 and %4: charge levels)</extracomment>
        <translation>共六步：充满电，充电器再接 %1，拔下充电器，使用电池工作直到电量低于 %2，让笔记本电脑挂起或关机 %3，回来时电量仍低于 %4。</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n day(s)</source>
        <extracomment>The button that puts a due calibration off</extracomment>
        <translation>
            <numerusform>推迟 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the charger unplugged.</source>
        <extracomment>Calibration steps 4 and 5: the charger</extracomment>
        <translation>请保持充电器拔下。</translation>
    </message>
    <message>
        <source>No calibration step is under way right now.</source>
        <extracomment>Calibration page shown while no step is under way</extracomment>
        <translation>目前没有正在进行的校准步骤。</translation>
    </message>
    <message>
        <source>Ampra follows your battery and shows here what to do as soon as a step begins.</source>
        <extracomment>Calibration page shown while no step is under way: what Ampra does meanwhile</extracomment>
        <translation>Ampra 会跟踪您的电池，一旦某个步骤开始，就会在这里显示该做什么。</translation>
    </message>
    <message>
        <source>Step 1: plug in the charger.</source>
        <extracomment>Calibration step 1: what the step is</extracomment>
        <translation>第 1 步：接上充电器。</translation>
    </message>
    <message>
        <source>Connect your laptop to its charger and let the battery charge to %1.</source>
        <extracomment>Calibration step 1: the charger</extracomment>
        <translation>将笔记本电脑接上充电器，让电池充电到 %1。</translation>
    </message>
    <message>
        <source>You can go on working while it charges.</source>
        <extracomment>Calibration step 1: the laptop</extracomment>
        <translation>充电时您可以继续工作。</translation>
    </message>
    <message>
        <source>Step 2: keep the charger connected.</source>
        <extracomment>Calibration step 2: what the step is</extracomment>
        <translation>第 2 步：保持充电器连接。</translation>
    </message>
    <message>
        <source>The battery is full. Leave the charger plugged in for %1 more.</source>
        <extracomment>Calibration step 2: the charger</extracomment>
        <translation>电池已充满。请让充电器再接 %1。</translation>
    </message>
    <message>
        <source>Keep using your laptop as usual.</source>
        <extracomment>Calibration step 2: the laptop</extracomment>
        <translation>照常使用笔记本电脑即可。</translation>
    </message>
    <message>
        <source>Step 3: unplug the charger.</source>
        <extracomment>Calibration step 3: what the step is</extracomment>
        <translation>第 3 步：拔下充电器。</translation>
    </message>
    <message>
        <source>Disconnect the charger now.</source>
        <extracomment>Calibration step 3: the charger</extracomment>
        <translation>现在请拔下充电器。</translation>
    </message>
    <message>
        <source>Leave the laptop switched on: it runs on battery from now on.</source>
        <extracomment>Calibration step 3: the laptop</extracomment>
        <translation>保持笔记本电脑开机：从现在起它使用电池供电。</translation>
    </message>
    <message>
        <source>Step 4: work on battery.</source>
        <extracomment>Calibration step 4: what the step is</extracomment>
        <translation>第 4 步：使用电池工作。</translation>
    </message>
    <message>
        <source>Use your laptop until the charge falls under %1. Ampra tells you when it is time for the next step.</source>
        <extracomment>Calibration step 4: the laptop (%1: a charge level)</extracomment>
        <translation>继续使用笔记本电脑，直到电量低于 %1。到下一步时 Ampra 会通知您。</translation>
    </message>
    <message>
        <source>Step 5: let the laptop rest.</source>
        <extracomment>Calibration step 5: what the step is</extracomment>
        <translation>第 5 步：让笔记本电脑休息。</translation>
    </message>
    <message>
        <source>Suspend the laptop (close the lid or choose Suspend) or switch it off, and leave it so for %1.</source>
        <extracomment>Calibration step 5: the laptop (%1: a duration in hours)</extracomment>
        <translation>让笔记本电脑挂起（合上盖子或选择“挂起”）或关机，并保持 %1。</translation>
    </message>
    <message>
        <source>Step 6: the calibration is done.</source>
        <extracomment>Calibration step 6: what the step is</extracomment>
        <translation>第 6 步：校准完成。</translation>
    </message>
    <message>
        <source>You can plug the charger in again.</source>
        <extracomment>Calibration step 6: the charger</extracomment>
        <translation>您可以重新接上充电器了。</translation>
    </message>
    <message>
        <source>The charge was still under %1 after the rest: your battery is calibrated.</source>
        <extracomment>Calibration step 6: the laptop (%1: a charge level)</extracomment>
        <translation>休息后电量仍低于 %1：您的电池已校准。</translation>
    </message>
    <message>
        <source>%1h %2min</source>
        <extracomment>Time left in a calibration step (%1: hours, %2: minutes), as in 2h 5min</extracomment>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>today_summary_message</source>
        <extracomment>Shown as the next calibration date when the calibration is due today or overdue</extracomment>
        <translation>今天</translation>
    </message>
    <message>
        <source>It&apos;s not necessary to calibrate your battery right now. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Calibrated text</extracomment>
        <translation>您的电池目前不需要校准。如果仍想校准，只需按照下面的步骤操作。</translation>
    </message>
    <message>
        <source>Your battery needs to be calibrated. Follow the next step below to progress through the calibration progress. If you prefer not to be botherred by messages, you can postpone the calibration to next week.</source>
        <extracomment>PendingCalibration text</extracomment>
        <translation>您的电池需要校准。请按照下面的步骤完成校准。如果不想被消息打扰，可以推迟校准。</translation>
    </message>
    <message>
        <source>The calibration is postponed. Anyway, if you want to do it, just follow the next step to progress through the calibration process</source>
        <extracomment>Postponed text</extracomment>
        <translation>校准已推迟。如果仍想校准，只需按照下面的步骤操作。</translation>
    </message>
    <message>
        <source>Calibraton is disabled.</source>
        <extracomment>Calibration off text</extracomment>
        <translation>校准已关闭。</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full and the calibration cannot go on. Lift the limit until the calibration is done: in your desktop&apos;s power settings or the laptop maker&apos;s tool, in TLP (STOP_CHARGE_THRESH_BAT0 in /etc/tlp.conf), or as root by writing 100 to charge_control_end_threshold in the battery&apos;s folder under /sys/class/power_supply.</source>
        <extracomment>Calibration step 1 when the laptop stops charging early (%1: a charge level such as 80%). Keep the names TLP, STOP_CHARGE_THRESH_BAT0, /etc/tlp.conf, charge_control_end_threshold and /sys/class/power_supply as they are.</extracomment>
        <translation>这台笔记本电脑在 %1 时停止充电，因此电池永远充不满，校准无法继续。请在校准完成前解除该限制：在桌面的电源设置或厂商工具中，在 TLP 中（/etc/tlp.conf 里的 STOP_CHARGE_THRESH_BAT0），或以 root 身份向 /sys/class/power_supply 下电池文件夹中的 charge_control_end_threshold 写入 100。</translation>
    </message>
    <message>
        <source>hide_calibration_history_table</source>
        <extracomment>The button that hides the calibration history table</extracomment>
        <translation>隐藏历史</translation>
    </message>
    <message>
        <source>show_calibration_history_table</source>
        <extracomment>The button that shows the calibration history table</extracomment>
        <translation>显示历史</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The button in calibration step 1 that lifts the laptop&apos;s charge limit until the calibration ends (%1: 100%)</extracomment>
        <translation>为本次校准充电至 %1</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1, so the battery never gets full. Ampra can lift the limit until the calibration ends.</source>
        <extracomment>Calibration step 1 when Ampra can lift the laptop&apos;s charge limit, above the button that does it (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>这台笔记本电脑在 %1 时停止充电，因此电池永远不会充满。Ampra 可以在校准结束前解除此限制。</translation>
    </message>
</context>
<context>
    <name>AMPCapacityTableDataProvider</name>
    <message>
        <source>Date</source>
        <extracomment>Header of the history column with the day a capacity was recorded</extracomment>
        <translation>日期</translation>
    </message>
    <message>
        <source>Capacity (mAh)</source>
        <extracomment>Header of the history column with the full charge capacity in mAh</extracomment>
        <translation>容量 (mAh)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <extracomment>Header of the history column with the cycle count</extracomment>
        <translation>循环次数</translation>
    </message>
</context>
<context>
    <name>AMPCapacityVC</name>
    <message>
        <source>Charge cycles done:</source>
        <extracomment>Caption of the number of charge cycles the battery has been through</extracomment>
        <translation>已完成的充电循环：</translation>
    </message>
    <message>
        <source>Explain charge cycles</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about charge cycles</extracomment>
        <translation>解释充电循环</translation>
    </message>
    <message>
        <source>Cycles by design:</source>
        <extracomment>Caption of the number of charge cycles the battery is designed for</extracomment>
        <translation>设计循环次数：</translation>
    </message>
    <message>
        <source>What is a charge cycle?</source>
        <extracomment>Title of the help about charge cycles</extracomment>
        <translation>什么是充电循环？</translation>
    </message>
    <message>
        <source>A charge cycle is counted each time the battery has delivered as much energy as its full capacity, whether in one go or over several days: using half of it today and half tomorrow makes one cycle. The battery itself counts the cycles and Linux reads the count from the power supply driver; some batteries do not report it, and then it shows 0. A battery is built for a number of cycles, after which it holds noticeably less charge.</source>
        <extracomment>Help text about charge cycles, for a Linux laptop owner</extracomment>
        <translation>电池每释放相当于其满充容量的能量，就计为一个充电循环，无论是一次用完还是分几天用完：今天用一半、明天用一半，合计一个循环。循环次数由电池自己统计，Linux 从电源驱动读取；有些电池不报告该数值，此时显示为 0。电池按一定的循环次数设计，超过后能储存的电量会明显减少。</translation>
    </message>
    <message>
        <source>Design capacity (mAh):</source>
        <extracomment>Caption of the capacity the battery had when new, in milliampere-hours</extracomment>
        <translation>设计容量 (mAh)：</translation>
    </message>
    <message>
        <source>Explain capacity</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about capacity</extracomment>
        <translation>解释容量</translation>
    </message>
    <message>
        <source>Full charge capacity (mAh):</source>
        <extracomment>Caption of the charge the battery holds today when full, in milliampere-hours, with its share of the design capacity</extracomment>
        <translation>满充容量 (mAh)：</translation>
    </message>
    <message>
        <source>Why does the capacity fall?</source>
        <extracomment>Title of the help about the battery capacity</extracomment>
        <translation>容量为什么会下降？</translation>
    </message>
    <message>
        <source>The design capacity is what the battery held when it was new; the full charge capacity is what it holds today when charged to the top. Every cycle, heat and long hours at full charge wear the cells a little, so the full charge capacity falls slowly over the years. The percentage compares both. A calibration lets the battery measure its full charge again, so the number you see matches the real one.</source>
        <extracomment>Help text about the design and the full charge capacity, for a Linux laptop owner</extracomment>
        <translation>设计容量是电池全新时能储存的电量；满充容量是它如今充满时能储存的电量。每一次循环、高温以及长时间满电都会让电芯略微损耗，因此满充容量会随着岁月缓慢下降。百分比是两者的比较。校准能让电池重新测量满充电量，使您看到的数字与实际相符。</translation>
    </message>
    <message>
        <source>Capacity history:</source>
        <extracomment>Caption of the table of capacities recorded when the battery was full</extracomment>
        <translation>容量历史：</translation>
    </message>
    <message>
        <source>Capacity history</source>
        <extracomment>Accessible name of the table of recorded capacities</extracomment>
        <translation>容量历史</translation>
    </message>
    <message>
        <source>Ampra records the full charge capacity and the cycle count each time the battery is fully charged. The newest 100 records are listed.</source>
        <extracomment>Text under the capacity history table</extracomment>
        <translation>每当电池充满时，Ampra 都会记录满充容量和循环次数。列表显示最新的 100 条记录。</translation>
    </message>
    <message>
        <source>Export…</source>
        <extracomment>Button that saves the capacity history and the calibrations as a CSV file</extracomment>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Save the capacity history and the calibrations as a CSV file</source>
        <extracomment>Tooltip of the button that saves the history as a CSV file</extracomment>
        <translation>将容量历史和校准记录保存为 CSV 文件</translation>
    </message>
</context>
<context>
    <name>AMPChargeVC</name>
    <message>
        <source>Power source:</source>
        <extracomment>Caption of the row that tells whether the computer runs on its power adapter or on battery</extracomment>
        <translation>电源：</translation>
    </message>
    <message>
        <source>Battery status:</source>
        <extracomment>Caption of the row that tells whether the battery charges, is full or discharges</extracomment>
        <translation>电池状态：</translation>
    </message>
    <message>
        <source>Charge:</source>
        <extracomment>Caption of the row with the battery charge in percent</extracomment>
        <translation>电量：</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <extracomment>Caption of the row with the time the battery lasts at the present use</extracomment>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>chargevc_acpowersource_text</source>
        <extracomment>Text to show when the computer is connected to power</extracomment>
        <translation>电源适配器</translation>
    </message>
    <message>
        <source>chargevc_charged_message</source>
        <extracomment>Message to display when battery is charged</extracomment>
        <translation>已充满</translation>
    </message>
    <message>
        <source>Charging stops at %1</source>
        <extracomment>Battery status on mains when the laptop stops charging early (%1: a charge level such as 80%)</extracomment>
        <translation>充电在 %1 时停止</translation>
    </message>
    <message>
        <source>chargevc_charging_message</source>
        <extracomment>Message to display when battery is charging</extracomment>
        <translation>正在充电</translation>
    </message>
    <message>
        <source>chargevc_batterypowersource_text</source>
        <extracomment>Text to show when the computer is running on battery</extracomment>
        <translation>电池</translation>
    </message>
    <message>
        <source>chargevc_discharging_message</source>
        <extracomment>Message to display when battery is discharging</extracomment>
        <translation>正在放电</translation>
    </message>
</context>
<context>
    <name>AMPHealthVC</name>
    <message>
        <source>Explain the lifespan</source>
        <extracomment>Accessible name and tooltip of the button that opens the help about the battery lifespan</extracomment>
        <translation>解释使用寿命</translation>
    </message>
    <message>
        <source>What do the lifespan and the health word mean?</source>
        <extracomment>Title of the help about the battery lifespan and health</extracomment>
        <translation>使用寿命和健康状况词语是什么意思？</translation>
    </message>
    <message>
        <source>A lithium-ion battery ages with use and with time. Its maker states a lifespan as a number of charge cycles after which it still keeps about 80% of its design capacity. The health word in the ring comes from the battery itself, through the Linux power supply driver: GOOD means it performs as designed, FAIR that it works with a reduced capacity, POOR that it can no longer deliver proper power, CHECK that the battery reports a fault and should be examined by a repair service. Many batteries report no health at all; the ring then shows &quot;-&quot;.</source>
        <extracomment>Help text about the battery lifespan and the health words, for a Linux laptop owner</extracomment>
        <translation>锂离子电池会随着使用和时间推移而老化。厂商以充电循环次数来标明使用寿命，达到该次数后电池仍能保持约 80% 的设计容量。圆环中的词语来自电池本身，经由 Linux 电源驱动读取：“良好”表示电池按设计工作，“一般”表示电池在容量下降的情况下工作，“较差”表示电池已无法提供正常供电，“检查”表示电池报告了故障，应由维修服务检查。很多电池根本不报告健康状况，此时圆环显示“-”。</translation>
    </message>
    <message>
        <source>no_data_forHealthLifespan_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about lifespan</extracomment>
        <translation>Ampra 尚未读取到这块电池的寿命数据。</translation>
    </message>
    <message>
        <source>Lifespan: your Macbook battery is designed to retain up to 80%% of its original capacity and up to %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>使用寿命：您的笔记本电池设计为在最多 %1 次充电循环内保持最多 80% 的原始容量。</translation>
    </message>
    <message numerus="yes">
        <source>Your battery capacity is currently at %@, and you have done %d charge cycles.</source>
        <extracomment>Lifespand message</extracomment>
        <translation>
            <numerusform>您的电池容量目前为 %1，已完成 %2 次充电循环。</numerusform>
        </translation>
    </message>
    <message>
        <source>no_data_forHealthCycles_text</source>
        <extracomment>Text to show when there is no data yet from the battery to talk about cycles</extracomment>
        <translation>Ampra 尚未读取到这块电池的循环次数或容量。</translation>
    </message>
    <message>
        <source>Currently we have no valid value to inform about the health of the installed power source.</source>
        <extracomment>Battery Heath ring explanation message for state unknown</extracomment>
        <translation>电池尚未报告其健康状况。</translation>
    </message>
    <message>
        <source>&quot;-&quot; indicates that no information is given by the system regarding the battery health.</source>
        <extracomment>Battery Heath ring explanation message for state unknown of battery</extracomment>
        <translation>“-”表示系统没有提供电池健康状况的信息。</translation>
    </message>
    <message>
        <source>&quot;POOR&quot; describe a power source that&apos;s not capable of providing proper power.</source>
        <extracomment>Battery Heath ring explanation message for state poor</extracomment>
        <translation>“较差”表示电池已无法提供正常供电。</translation>
    </message>
    <message>
        <source>&quot;FAIR&quot; describe a functional power source with limited capacity.</source>
        <extracomment>Battery Heath ring explanation message for state fair</extracomment>
        <translation>“一般”表示电池仍可工作，但容量已下降。</translation>
    </message>
    <message>
        <source>&quot;GOOD&quot; indicates that the battery is healthy and performing well.</source>
        <extracomment>Battery Heath ring explanation message for state good</extracomment>
        <translation>“良好”表示电池健康、工作正常。</translation>
    </message>
    <message>
        <source>&quot;CHECK&quot; indicates that the battery should be checked out by a licensed Mac repair service.</source>
        <extracomment>Battery Heath ring explanation message for state check battery</extracomment>
        <translation>“检查”表示电池报告了故障，应由维修服务检查。</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAboutVC</name>
    <message>
        <source>app_version</source>
        <extracomment>Version</extracomment>
        <translation>版本</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Title of the window with the libraries Ampra uses and their licences</extracomment>
        <translation>致谢</translation>
    </message>
    <message>
        <source>Libraries and licences</source>
        <extracomment>Accessible name of the text of the acknowledgements</extracomment>
        <translation>库和许可证</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the About page&apos;s picture shows, for screen readers</extracomment>
        <translation>Ampra 的图标</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesAppearanceVC</name>
    <message>
        <source>Automatic</source>
        <extracomment>Panel colour: Ampra tells the panel&apos;s colour from the desktop</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>Panel colour: the desktop panel is light, the icon is drawn dark</extracomment>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>Panel colour: the desktop panel is dark, the icon is drawn light</extracomment>
        <translation>深色</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesGeneralVC</name>
    <message numerus="yes">
        <source>%Ln week(s)</source>
        <extracomment>Number of weeks to schedule a calibration</extracomment>
        <translation>
            <numerusform>%Ln 周</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesNotificationsVC</name>
    <message>
        <source>Don&apos;t remind me</source>
        <extracomment>The user does not want to be reminded to unplug the laptop</extracomment>
        <translation>不提醒我</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hour(s)</source>
        <extracomment>Hours on mains power before the reminder to unplug</extracomment>
        <translation>
            <numerusform>%Ln 小时</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AMPPreferencesTabVC</name>
    <message>
        <source>Ampra Preferences</source>
        <extracomment>Title of the preferences window</extracomment>
        <translation>Ampra 首选项</translation>
    </message>
</context>
<context>
    <name>AMPPreferencesWindow</name>
    <message>
        <source>General</source>
        <extracomment>Title of the General page of the preferences</extracomment>
        <translation>常规</translation>
    </message>
    <message>
        <source>Calibrate every:</source>
        <extracomment>Label of the list of calibration intervals in the preferences</extracomment>
        <translation>校准间隔：</translation>
    </message>
    <message>
        <source>Calibration interval</source>
        <extracomment>Accessible name of the list of calibration intervals</extracomment>
        <translation>校准间隔</translation>
    </message>
    <message>
        <source>Ampra reminds you when the next battery calibration is due.</source>
        <extracomment>Explanation under the list of calibration intervals</extracomment>
        <translation>下次电池校准到期时，Ampra 会提醒您。</translation>
    </message>
    <message>
        <source>Startup:</source>
        <extracomment>Label of the start-at-login check box in the preferences</extracomment>
        <translation>启动：</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box that starts Ampra with the desktop session</extracomment>
        <translation>登录时启动 Ampra</translation>
    </message>
    <message>
        <source>Energy:</source>
        <extracomment>Label of the button that opens the desktop power settings</extracomment>
        <translation>能源：</translation>
    </message>
    <message>
        <source>Open Power Settings…</source>
        <extracomment>Button that opens the power settings of the desktop</extracomment>
        <translation>打开电源设置…</translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Title of the Notifications page of the preferences</extracomment>
        <translation>通知</translation>
    </message>
    <message>
        <source>Remind to unplug after:</source>
        <extracomment>Label of the list of unplug reminder intervals</extracomment>
        <translation>提醒拔下电源的时间：</translation>
    </message>
    <message>
        <source>Unplug reminder</source>
        <extracomment>Accessible name of the list of unplug reminder intervals</extracomment>
        <translation>拔下电源提醒</translation>
    </message>
    <message>
        <source>Time on mains power with the battery above 80 % before Ampra reminds you to unplug.</source>
        <extracomment>Explanation under the list of unplug reminder intervals</extracomment>
        <translation>电池电量高于 80% 时接通电源多久后，Ampra 提醒您拔下电源。</translation>
    </message>
    <message>
        <source>Notify:</source>
        <extracomment>Label of the notification check boxes in the preferences</extracomment>
        <translation>通知：</translation>
    </message>
    <message>
        <source>When the power source changes</source>
        <extracomment>Check box: notify when the computer switches between mains and battery</extracomment>
        <translation>电源切换时</translation>
    </message>
    <message>
        <source>When the charge falls under</source>
        <extracomment>Check box: notify when the charge falls under the level beside it</extracomment>
        <translation>电量低于</translation>
    </message>
    <message>
        <source>Low charge level</source>
        <extracomment>Accessible name of the low charge level</extracomment>
        <translation>低电量水平</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Title of the Appearance page of the preferences</extracomment>
        <translation>外观</translation>
    </message>
    <message>
        <source>Tray item:</source>
        <extracomment>Label of the check boxes that choose what the tray item shows</extracomment>
        <translation>托盘项目：</translation>
    </message>
    <message>
        <source>Show the battery icon</source>
        <extracomment>Check box: the tray item shows the battery icon</extracomment>
        <translation>显示电池图标</translation>
    </message>
    <message>
        <source>Show the charge percentage</source>
        <extracomment>Check box: the tray item shows the charge in percent</extracomment>
        <translation>显示电量百分比</translation>
    </message>
    <message>
        <source>Show the remaining time</source>
        <extracomment>Check box: the tray item shows the time left to full or empty</extracomment>
        <translation>显示剩余时间</translation>
    </message>
    <message>
        <source>Draw the battery upright</source>
        <extracomment>Check box: the tray icon&apos;s battery stands upright instead of lying</extracomment>
        <translation>竖直绘制电池</translation>
    </message>
    <message>
        <source>Draw the battery in colour</source>
        <extracomment>Check box: the tray icon shows the charge in green, orange or red</extracomment>
        <translation>彩色绘制电池</translation>
    </message>
    <message>
        <source>Show the percentage inside the icon</source>
        <extracomment>Check box: the charge in percent is written inside the tray icon, for panels that show no text beside icons</extracomment>
        <translation>在图标内显示百分比</translation>
    </message>
    <message>
        <source>Panel:</source>
        <extracomment>Label of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>面板：</translation>
    </message>
    <message>
        <source>Panel colour</source>
        <extracomment>Accessible name of the list that says whether the desktop panel is light or dark</extracomment>
        <translation>面板颜色</translation>
    </message>
    <message>
        <source>Ampra draws the icon to suit the panel. Choose Light or Dark if it guesses wrong.</source>
        <extracomment>Explanation under the list of panel colours</extracomment>
        <translation>Ampra 会根据面板绘制图标。如果判断有误，请选择浅色或深色。</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Title of the About page of the preferences</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>Keeps your laptop battery healthy.</source>
        <extracomment>One line under the version on the About page</extracomment>
        <translation>让您的笔记本电池保持健康。</translation>
    </message>
    <message>
        <source>Show Tutorial</source>
        <extracomment>Button on the About page that opens the tutorial again</extracomment>
        <translation>显示教程</translation>
    </message>
    <message>
        <source>Help Centre</source>
        <extracomment>Button on the About page that opens the online help in the browser</extracomment>
        <translation>帮助中心</translation>
    </message>
    <message>
        <source>Report a Problem…</source>
        <extracomment>Button on the About page that writes a problem report with the log attached</extracomment>
        <translation>报告问题…</translation>
    </message>
    <message>
        <source>Contact Us…</source>
        <extracomment>Button on the About page that writes a mail to the developers</extracomment>
        <translation>联系我们…</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <extracomment>Button on the About page that shows the libraries Ampra uses and their licences</extracomment>
        <translation>致谢</translation>
    </message>
    <message>
        <source>Charge limit:</source>
        <extracomment>Label of the check box that lifts the laptop&apos;s charge limit for calibrations</extracomment>
        <translation>充电限制：</translation>
    </message>
    <message>
        <source>Always for calibrations</source>
        <extracomment>Check box: lift the laptop&apos;s charge limit for every calibration without asking</extracomment>
        <translation>校准时始终解除</translation>
    </message>
    <message>
        <source>A calibration needs a full charge. Ampra lifts the laptop&apos;s charge limit until the calibration ends, then switches it on again.</source>
        <extracomment>Explanation under the check box that lifts the charge limit for calibrations</extracomment>
        <translation>校准需要充满电。Ampra 会在校准结束前解除笔记本电脑的充电限制，之后再重新开启。</translation>
    </message>
</context>
<context>
    <name>AMPStepInfoVC</name>
    <message>
        <source>Time left in this step:</source>
        <extracomment>Caption before the time the current calibration step still lasts</extracomment>
        <translation>此步骤剩余时间：</translation>
    </message>
</context>
<context>
    <name>AMPStepsVC</name>
    <message>
        <source>Calibration steps</source>
        <extracomment>Accessible name of the strip of the six calibration steps</extracomment>
        <translation>校准步骤</translation>
    </message>
    <message>
        <source>Use the left and right arrow keys to read the instructions of each step.</source>
        <extracomment>Accessible description of the calibration step strip</extracomment>
        <translation>使用左右方向键阅读每一步的说明。</translation>
    </message>
    <message>
        <source>Plug in</source>
        <extracomment>Title of calibration step 1, under its tab; one short word</extracomment>
        <translation>接电</translation>
    </message>
    <message>
        <source>Wait</source>
        <extracomment>Title of calibration step 2, under its tab; one short word</extracomment>
        <translation>等待</translation>
    </message>
    <message>
        <source>Unplug</source>
        <extracomment>Title of calibration step 3, under its tab; one short word</extracomment>
        <translation>拔电</translation>
    </message>
    <message>
        <source>Drain</source>
        <extracomment>Title of calibration step 4, under its tab; one short word</extracomment>
        <translation>放电</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>Title of calibration step 5, under its tab; one short word</extracomment>
        <translation>休息</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Title of calibration step 6, under its tab; one short word</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>The state of a calibration step that is behind the user</extracomment>
        <translation>已完成</translation>
    </message>
    <message>
        <source>current step</source>
        <extracomment>The state of the calibration step the user is in</extracomment>
        <translation>当前步骤</translation>
    </message>
    <message>
        <source>finished</source>
        <extracomment>The state of the last calibration step once the calibration is complete</extracomment>
        <translation>已结束</translation>
    </message>
    <message>
        <source>not done yet</source>
        <extracomment>The state of a calibration step still to come</extracomment>
        <translation>尚未完成</translation>
    </message>
    <message>
        <source>Step %1 of %2, %3: %4</source>
        <extracomment>A calibration step for screen readers (%1: its number, %2: the number of steps, %3: its title, %4: its state), as in &quot;Step 2 of 6, Wait: done&quot;</extracomment>
        <translation>第 %1 步，共 %2 步，%3：%4</translation>
    </message>
</context>
<context>
    <name>AMPSummaryMasterVC</name>
    <message>
        <source>Settings</source>
        <extracomment>Tooltip of the button that opens the settings menu
----------
Name of the settings menu button for screen readers</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <source>Charge</source>
        <extracomment>Caption under the charge ring</extracomment>
        <translation>电量</translation>
    </message>
    <message>
        <source>Capacity</source>
        <extracomment>Caption under the capacity ring</extracomment>
        <translation>容量</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>Caption under the battery health ring</extracomment>
        <translation>健康</translation>
    </message>
    <message>
        <source>Days to calibration</source>
        <extracomment>Caption under the ring with the days until the next calibration</extracomment>
        <translation>距离校准天数</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Settings menu item that opens the preferences window</extracomment>
        <translation>首选项…</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <extracomment>Settings menu item that opens the tutorial window</extracomment>
        <translation>教程</translation>
    </message>
    <message>
        <source>Quit Ampra</source>
        <extracomment>Settings menu item that quits the application</extracomment>
        <translation>退出 Ampra</translation>
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
        <translation>未找到电池。
一旦检测到电池，Ampra 就会显示读数。</translation>
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
        <translation>欢迎使用 Ampra</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Where the reader is in the tutorial, as in &quot;2 of 3&quot;</extracomment>
        <translation>%L1 / %L2</translation>
    </message>
    <message>
        <source>Ampra&apos;s icon</source>
        <extracomment>What the first tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>Ampra 的图标</translation>
    </message>
    <message>
        <source>A battery inside a circling arrow</source>
        <extracomment>What the second tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>圆形箭头中的电池</translation>
    </message>
    <message>
        <source>A check mark in a green circle</source>
        <extracomment>What the last tutorial page&apos;s picture shows, for screen readers</extracomment>
        <translation>绿色圆圈中的对勾</translation>
    </message>
</context>
<context>
    <name>AMPTutorialWindow</name>
    <message>
        <source>Welcome to Ampra</source>
        <extracomment>Title of the first tutorial page</extracomment>
        <translation>欢迎使用 Ampra</translation>
    </message>
    <message>
        <source>Ampra lives in the tray of your panel. Its icon shows how full the battery is; click it to see the charge, the capacity, the health and the days until the next calibration.</source>
        <extracomment>Text of the first tutorial page</extracomment>
        <translation>Ampra 位于面板的系统托盘中。它的图标显示电池的电量；点击图标可查看电量、容量、健康状况以及距离下次校准的天数。</translation>
    </message>
    <message>
        <source>Calibrate now and then</source>
        <extracomment>Title of the second tutorial page</extracomment>
        <translation>不时校准一下</translation>
    </message>
    <message>
        <source>Every few weeks Ampra guides you through a calibration: charge to full, stay on mains power for two hours, run the battery down, then let the laptop sleep for five hours. A notification tells you each step. Ampra also reminds you to unplug when the laptop has been on mains power for too long.</source>
        <extracomment>Text of the second tutorial page</extracomment>
        <translation>每隔几周，Ampra 会引导您完成一次校准：充满电，保持接通电源两小时，把电池用完，然后让笔记本电脑睡眠五小时。每一步都会有通知告诉您。笔记本电脑接通电源太久时，Ampra 也会提醒您拔下电源。</translation>
    </message>
    <message>
        <source>Start Ampra at login</source>
        <extracomment>Check box on the tutorial that starts Ampra with the desktop session</extracomment>
        <translation>登录时启动 Ampra</translation>
    </message>
    <message>
        <source>All set</source>
        <extracomment>Title of the last tutorial page</extracomment>
        <translation>一切就绪</translation>
    </message>
    <message>
        <source>Ampra is ready. Choose what the tray item shows and when Ampra reminds you in the preferences, from the settings menu of Ampra&apos;s window.</source>
        <extracomment>Text of the last tutorial page</extracomment>
        <translation>Ampra 已准备就绪。请在 Ampra 窗口的设置菜单中打开首选项，选择托盘项目显示的内容以及 Ampra 何时提醒您。</translation>
    </message>
    <message>
        <source>Start Using Ampra</source>
        <extracomment>Last button of the tutorial: closes it and opens Ampra&apos;s window</extracomment>
        <translation>开始使用 Ampra</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Tutorial button to the previous page</extracomment>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Tutorial button to the next page</extracomment>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>BackgroundPortalLoginItem</name>
    <message>
        <source>Ampra watches the battery and reminds you of calibration steps from the moment you log in.</source>
        <extracomment>Why Ampra asks to run in the background, shown by the desktop&apos;s permission dialog</extracomment>
        <translation>从您登录的那一刻起，Ampra 就会监视电池并提醒您校准步骤。</translation>
    </message>
</context>
<context>
    <name>BatteryDataHijackWC</name>
    <message>
        <source>&amp;Override the battery readings</source>
        <extracomment>Check box of the developer window: while on, Ampra takes the values below instead of the battery&apos;s readings</extracomment>
        <translation>覆盖电池读数(&amp;O)</translation>
    </message>
    <message>
        <source>While this is on, Ampra takes the values below instead of what the battery reports; the cycle count and the capacities keep their last real readings.</source>
        <extracomment>Explanation under the check box of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>启用时，Ampra 使用下面的数值代替电池报告的数值；循环次数和容量保留最后的真实读数。</translation>
    </message>
    <message>
        <source>&amp;Charge:</source>
        <extracomment>Label of the charge slider in the developer window</extracomment>
        <translation>电量(&amp;C)：</translation>
    </message>
    <message>
        <source>Charge in percent</source>
        <extracomment>Accessible name of the charge slider in the developer window</extracomment>
        <translation>电量百分比</translation>
    </message>
    <message>
        <source>&amp;Phase:</source>
        <extracomment>Label of the list of charge-cycle phases in the developer window</extracomment>
        <translation>阶段(&amp;P)：</translation>
    </message>
    <message>
        <source>Charge-cycle phase</source>
        <extracomment>Accessible name of the list of charge-cycle phases in the developer window</extracomment>
        <translation>充电循环阶段</translation>
    </message>
    <message>
        <source>Po&amp;wer source:</source>
        <extracomment>Label of the power-source list in the developer window</extracomment>
        <translation>电源(&amp;W)：</translation>
    </message>
    <message>
        <source>Power source</source>
        <extracomment>Accessible name of the power-source list in the developer window</extracomment>
        <translation>电源</translation>
    </message>
    <message>
        <source>&amp;Health:</source>
        <extracomment>Label of the battery health list in the developer window</extracomment>
        <translation>健康(&amp;H)：</translation>
    </message>
    <message>
        <source>Battery health</source>
        <extracomment>Accessible name of the battery health list in the developer window</extracomment>
        <translation>电池健康</translation>
    </message>
    <message>
        <source>Phase 0: Starting to charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>阶段 0：开始充电</translation>
    </message>
    <message>
        <source>Phase 1: Charging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>阶段 1：正在充电</translation>
    </message>
    <message>
        <source>Phase 2: Finishing Charge</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>阶段 2：即将充满</translation>
    </message>
    <message>
        <source>Phase 3: Charged</source>
        <extracomment>Item of the phase list in the battery override window: the battery is full</extracomment>
        <translation>阶段 3：已充满</translation>
    </message>
    <message>
        <source>Phase 4: Starting discharge</source>
        <extracomment>Item of the phase list in the battery override window: just unplugged</extracomment>
        <translation>阶段 4：开始放电</translation>
    </message>
    <message>
        <source>Phase 5: Discharging</source>
        <extracomment>Item of the phase list in the battery override window</extracomment>
        <translation>阶段 5：正在放电</translation>
    </message>
    <message>
        <source>Phase 6: Finishing discharge</source>
        <extracomment>Item of the phase list in the battery override window: the battery is nearly empty</extracomment>
        <translation>阶段 6：即将放完</translation>
    </message>
    <message>
        <source>AC Power</source>
        <extracomment>Item of the power-source list in the battery override window: on mains power</extracomment>
        <translation>交流电源</translation>
    </message>
    <message>
        <source>Battery Power</source>
        <extracomment>Item of the power-source list in the battery override window</extracomment>
        <translation>电池供电</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>良好</translation>
    </message>
    <message>
        <source>Fair</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>一般</translation>
    </message>
    <message>
        <source>Poor</source>
        <extracomment>Item of the health list in the battery override window</extracomment>
        <translation>较差</translation>
    </message>
    <message>
        <source>Check Battery</source>
        <extracomment>Item of the health list in the battery override window: the system asks for a service</extracomment>
        <translation>检查电池</translation>
    </message>
    <message>
        <source>Wrong Value</source>
        <extracomment>Item of the health list in the battery override window: a health the system never gives</extracomment>
        <translation>错误的值</translation>
    </message>
    <message>
        <source>Battery Override</source>
        <extracomment>Title of the developer window that replaces the battery&apos;s readings</extracomment>
        <translation>电池覆盖</translation>
    </message>
</context>
<context>
    <name>BatteryManager</name>
    <message>
        <source>Calibration Done!!</source>
        <extracomment>Guide Message on state CalibrationDone.</extracomment>
        <translation>校准完成！</translation>
    </message>
    <message>
        <source>Plug your Mac to fully charge it.</source>
        <extracomment>Guide Message on state InitCalibration.</extracomment>
        <translation>请接通电脑电源并充满电。</translation>
    </message>
    <message>
        <source>Keep your Mac Conected for a while.</source>
        <extracomment>Guide Message on state FullyCharged.</extracomment>
        <translation>请让电脑再接通电源一段时间。</translation>
    </message>
    <message>
        <source>You can disconnect your power adapter.</source>
        <extracomment>Guide Message on state DisconnectAdapter.</extracomment>
        <translation>您可以拔下电源适配器了。</translation>
    </message>
    <message>
        <source>Allow your Mac to sleep or switch it off.</source>
        <extracomment>Guide Message on state TurnItOff.</extracomment>
        <translation>让电脑睡眠或关机。</translation>
    </message>
</context>
<context>
    <name>CapacityChart</name>
    <message>
        <source>Capacity over time</source>
        <extracomment>Accessible name of the chart of the full charge capacity over time</extracomment>
        <translation>容量变化</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 the full charge capacity went from %3 to %4 mAh; %n calibration(s) marked.</source>
        <extracomment>Accessible description of the capacity chart: first and last date, first and last capacity in mAh, and how many calibrations it marks</extracomment>
        <translation>
            <numerusform>从 %1 到 %2，满充容量从 %3 mAh 变为 %4 mAh；标记了 %n 次校准。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh</source>
        <extracomment>Tooltip of a point of the capacity chart without a cycle count: its date and capacity</extracomment>
        <translation>%1
容量：%2 mAh</translation>
    </message>
    <message>
        <source>%1
Capacity: %2 mAh
Cycles: %3</source>
        <extracomment>Tooltip of a point of the capacity chart: its date, capacity and cycle count</extracomment>
        <translation>%1
容量：%2 mAh
循环次数：%3</translation>
    </message>
    <message>
        <source>Full charge</source>
        <extracomment>Legend of the capacity chart&apos;s line of full charge capacities</extracomment>
        <translation>满充</translation>
    </message>
    <message>
        <source>Design</source>
        <extracomment>Legend of the capacity chart&apos;s line at the design capacity</extracomment>
        <translation>设计</translation>
    </message>
    <message>
        <source>Calibration</source>
        <extracomment>Legend of the capacity chart&apos;s marks of completed calibrations</extracomment>
        <translation>校准</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print what the power supply files say about the main battery, and leave.</source>
        <extracomment>Help for &quot;ampra --print-battery&quot;</extracomment>
        <translation>打印电源文件中关于主电池的信息，然后退出。</translation>
    </message>
    <message>
        <source>Write the capacity history and the calibrations to FILE as CSV, or to the standard output when FILE is -, and leave.</source>
        <extracomment>Help for &quot;ampra --export-history FILE&quot;</extracomment>
        <translation>将容量历史和校准记录以 CSV 格式写入 FILE（FILE 为 - 时写入标准输出），然后退出。</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>Placeholder for the file name in &quot;ampra --help&quot;</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Start with a window that replaces the battery&apos;s readings with values set by hand, also on a computer without a battery.</source>
        <extracomment>Help for &quot;ampra --override-battery&quot;, a facility for developers</extracomment>
        <translation>启动时打开一个窗口，用手动设定的值代替电池读数，在没有电池的电脑上也可使用。</translation>
    </message>
    <message>
        <source>Ampra keeps an eye on your laptop&apos;s battery from the system tray.</source>
        <extracomment>Shown by &quot;ampra --help&quot; under the usage line</extracomment>
        <translation>Ampra 在系统托盘中照看您的笔记本电池。</translation>
    </message>
    <message>
        <source>Open the preferences window, in the Ampra that runs if there is one.</source>
        <extracomment>Help for &quot;ampra --preferences&quot;</extracomment>
        <translation>打开首选项窗口（如有正在运行的 Ampra，则在其中打开）。</translation>
    </message>
    <message>
        <source>--export-history cannot be combined with --print-battery, --override-battery or --preferences.</source>
        <extracomment>Printed when &quot;ampra --export-history&quot; is given with another option that does something else</extracomment>
        <translation>--export-history 不能与 --print-battery、--override-battery 或 --preferences 同时使用。</translation>
    </message>
    <message>
        <source>Load every picture Ampra shows, name those that do not load, and leave.</source>
        <extracomment>Help for &quot;ampra --check-resources&quot;, a check for packagers</extracomment>
        <translation>加载 Ampra 显示的所有图片，列出无法加载的图片，然后退出。</translation>
    </message>
</context>
<context>
    <name>DetailViewTexts</name>
    <message>
        <source>no_data_text</source>
        <extracomment>Text to show when there is no data yet from the battery</extracomment>
        <translation>正在等待电池…</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage (%1: a whole number, 57 for 57 percent); write the percent sign as your language does, with a no-break space before it if it takes a space</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Charging to %1 for the calibration, the %2 limit comes back afterwards</source>
        <extracomment>The battery status while Ampra has lifted the laptop&apos;s charge limit for a calibration (%1: 100%, %2: the limit, a charge level such as 80%)</extracomment>
        <translation>为校准充电至 %1，%2 的限制之后会恢复</translation>
    </message>
</context>
<context>
    <name>HistoryExportDialog</name>
    <message>
        <source>Export Failed</source>
        <extracomment>Title of the message box when the history could not be exported</extracomment>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>The battery history could not be read.</source>
        <extracomment>Shown when the history is to be exported but the data store did not open</extracomment>
        <translation>无法读取电池历史。</translation>
    </message>
    <message>
        <source>Export Battery History</source>
        <extracomment>Title of the file dialog that saves the battery history</extracomment>
        <translation>导出电池历史</translation>
    </message>
    <message>
        <source>ampra-history.csv</source>
        <extracomment>Suggested file name of the exported battery history</extracomment>
        <translation>ampra-history.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>File type filter of the file dialog that saves the battery history</extracomment>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The battery history could not be exported.

%1</source>
        <extracomment>Shown when the history could not be exported; %1 is the reason, in English</extracomment>
        <translation>无法导出电池历史。

%1</translation>
    </message>
</context>
<context>
    <name>MailSupportHandler</name>
    <message>
        <source>type your subject here</source>
        <extracomment>Support eMail subject</extracomment>
        <translation>在此输入主题</translation>
    </message>
    <message>
        <source>Hi Vantrel,</source>
        <extracomment>Support eMail body greeting</extracomment>
        <translation>Vantrel 您好：</translation>
    </message>
    <message>
        <source>type your message here</source>
        <extracomment>Support eMail body content</extracomment>
        <translation>在此输入您的消息</translation>
    </message>
    <message>
        <source>NOTE: The attached report files do NOT contain any personal information</source>
        <extracomment>Support eMail body attachement warnings</extracomment>
        <translation>注意：附带的报告文件不包含任何个人信息</translation>
    </message>
</context>
<context>
    <name>MessageBoxErrorPresenter</name>
    <message>
        <source>Ampra cannot open the file where it keeps its history. It goes on without saving calibrations and capacity readings.</source>
        <extracomment>Shown when the file with the calibration and capacity history cannot be opened</extracomment>
        <translation>Ampra 无法打开保存历史的文件。它将继续运行，但不保存校准和容量读数。</translation>
    </message>
</context>
<context>
    <name>NoticeTexts</name>
    <message>
        <source>Change on power source</source>
        <extracomment>Title of the power source change notification</extracomment>
        <translation>电源已切换</translation>
    </message>
    <message>
        <source>Now running on AC</source>
        <extracomment>Subtitle of the power source change notification when running on AC</extracomment>
        <translation>现在使用交流电源</translation>
    </message>
    <message>
        <source>Now running on battery</source>
        <extracomment>Subtitle of the power source change notification when running on battery</extracomment>
        <translation>现在使用电池供电</translation>
    </message>
    <message>
        <source>Low battery</source>
        <extracomment>Title of the low battery notification</extracomment>
        <translation>电池电量低</translation>
    </message>
    <message>
        <source>Battery charge is under %u %%</source>
        <extracomment>Subtitle of the low battery notification (%1: the charge level crossed, a number from 1 to 100; write the percent sign as your language does)</extracomment>
        <translation>电池电量低于 %1%</translation>
    </message>
    <message>
        <source>Unplug your mac</source>
        <extracomment>Title of the notification for long connection time</extracomment>
        <translation>请拔下电脑电源</translation>
    </message>
    <message>
        <source>You have been connected for too long</source>
        <extracomment>Subtitle of the notification for long connection time</extracomment>
        <translation>您的电脑接通电源的时间过长</translation>
    </message>
    <message>
        <source>Calibration process:</source>
        <extracomment>Title of the notification for Calibration Proces</extracomment>
        <translation>电池校准</translation>
    </message>
    <message>
        <source>Ampra runs without a tray icon</source>
        <extracomment>Title of the notification shown when the desktop has no tray for Ampra&apos;s icon</extracomment>
        <translation>Ampra 正在无托盘图标的情况下运行</translation>
    </message>
    <message>
        <source>Open it again from the applications menu. On GNOME, a tray needs the AppIndicator extension.</source>
        <extracomment>Body of the notification shown when the desktop has no tray for Ampra&apos;s icon; &quot;AppIndicator&quot; is the name of a GNOME Shell extension</extracomment>
        <translation>请从应用程序菜单再次打开它。在 GNOME 上，托盘需要 AppIndicator 扩展。</translation>
    </message>
    <message>
        <source>The calibration needs a full charge</source>
        <extracomment>Title of the notification that offers to lift the laptop&apos;s charge limit for a calibration</extracomment>
        <translation>校准需要充满电</translation>
    </message>
    <message>
        <source>This laptop stops charging at %1. Ampra can lift the limit until the calibration ends and then switch it on again.</source>
        <extracomment>Body of the notification that offers to lift the laptop&apos;s charge limit (%1: the limit, a charge level such as 80%)</extracomment>
        <translation>这台笔记本电脑在 %1 时停止充电。Ampra 可以在校准结束前解除此限制，之后再重新开启。</translation>
    </message>
    <message>
        <source>Charge to %1 for this calibration</source>
        <extracomment>The notification&apos;s button that lifts the charge limit for the calibration under way (%1: 100%)</extracomment>
        <translation>为本次校准充电至 %1</translation>
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
        <translation>Ampra 有新版本可用</translation>
    </message>
    <message>
        <source>Ampra %1 is out. You have %2.</source>
        <extracomment>Body of the notification that a new version is out; %1 the new version, %2 the running one</extracomment>
        <translation>Ampra %1 已发布。您的版本是 %2。</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Action of the new version notification that opens the download page</extracomment>
        <translation>下载</translation>
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
        <translation>较差</translation>
    </message>
    <message>
        <source>FAIR</source>
        <extracomment>Battery Heath ring message for state fair</extracomment>
        <translation>一般</translation>
    </message>
    <message>
        <source>GOOD</source>
        <extracomment>Battery Heath ring message for state good</extracomment>
        <translation>良好</translation>
    </message>
    <message>
        <source>CHECK</source>
        <extracomment>Battery Heath ring message for state check battery</extracomment>
        <translation>检查</translation>
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
        <translation>打开 Ampra</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <extracomment>Item of the tray icon&apos;s menu that opens the preferences window</extracomment>
        <translation>首选项…</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Item of the tray icon&apos;s menu that ends Ampra</extracomment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>UpdateAlert</name>
    <message>
        <source>Software Update</source>
        <extracomment>Title of the dialog that answers a check for updates</extracomment>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <extracomment>Headline of the update dialog when no newer version exists</extracomment>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>Ampra %1 is currently the newest version available.</source>
        <extracomment>Text of the update dialog when no newer version exists; %1 the running version</extracomment>
        <translation>Ampra %1 是目前可用的最新版本。</translation>
    </message>
    <message>
        <source>Ampra %1 is now available. You have %2.</source>
        <extracomment>Text of the update dialog when a newer version exists; %1 the new version, %2 the running one</extracomment>
        <translation>Ampra %1 现已推出。您的版本是 %2。</translation>
    </message>
    <message>
        <source>Release notes</source>
        <extracomment>Link to the release notes in the update dialog</extracomment>
        <translation>发行说明</translation>
    </message>
    <message>
        <source>A new version of Ampra is available!</source>
        <extracomment>Headline of the update dialog when a newer version exists</extracomment>
        <translation>Ampra 有新版本可用！</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>Button of the update dialog that opens the download page</extracomment>
        <translation>下载</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog that closes it without downloading</extracomment>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <extracomment>Headline of the update dialog when the check failed</extracomment>
        <translation>更新出错！</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <extracomment>Text of the update dialog when the check failed</extracomment>
        <translation>获取更新信息时出错。请稍后重试。</translation>
    </message>
</context>
<context>
    <name>WebVersionSupport</name>
    <message>
        <source>Check for update...</source>
        <extracomment>Check for update menu item</extracomment>
        <translation>检查更新…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The battery could not be read.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; when the power supply files cannot be read</extracomment>
        <translation>无法读取电池。</translation>
    </message>
    <message>
        <source>No battery found.</source>
        <extracomment>Printed by &quot;ampra --print-battery&quot; on a computer without a battery</extracomment>
        <translation>未找到电池。</translation>
    </message>
    <message>
        <source>The history was not exported: %1</source>
        <extracomment>Printed by &quot;ampra --export-history FILE&quot; when it fails; %1 is the reason, in English</extracomment>
        <translation>未导出历史：%1</translation>
    </message>
    <message>
        <source>%1 does not load: %2</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot;; %1 is a picture&apos;s path, %2 the reason, in English</extracomment>
        <translation>无法加载 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) load.</source>
        <extracomment>Printed by &quot;ampra --check-resources&quot; at the end</extracomment>
        <translation>
            <numerusform>已加载 %n 张图片。</numerusform>
        </translation>
    </message>
</context>
</TS>
