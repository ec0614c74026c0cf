<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Timing editor of the RX-5 MP3 player&apos;s .mtf files.</source>
        <translation>RX-5 MP3 播放机 .mtf 定时文件的编辑器。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Write the schedule in FILE to standard output, one line per used timing, and exit. Needs no display.</source>
        <translation>将&lt;文件&gt;中的定时写到标准输出，每个已用的定时一行，然后退出。无需显示器。</translation>
    </message>
    <message>
        <source>Write the week the player runs from FILE to standard output, one line per event, and exit. Needs no display.</source>
        <translation>将播放机按&lt;文件&gt;运行的一周写到标准输出，每个事件一行，然后退出。无需显示器。</translation>
    </message>
    <message>
        <source>Check the week of FILE, one line per finding, and exit: 0 when there are only notes or nothing, 2 when there is a clash, an invalid timing or one that cannot play, or FILE holds what --print reports, 1 when FILE cannot be read.</source>
        <translation>检查&lt;文件&gt;的一周，每个发现一行，然后退出：只有提示或没有发现时为 0，有冲突、无效或不播放的定时，或&lt;文件&gt;含有 --print 所报告的问题时为 2，无法读取&lt;文件&gt;时为 1。</translation>
    </message>
    <message>
        <source>The timing file to open.</source>
        <translation>要打开的定时文件。</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[文件]</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>无法写出输出：%1</translation>
    </message>
    <message>
        <source>--program takes a number from 1 to 4</source>
        <translation>--program 只接受 1 到 4 的数字</translation>
    </message>
    <message>
        <source>only one FILE can be opened</source>
        <translation>只能打开一个文件</translation>
    </message>
    <message>
        <source>Write the timings of FILE to standard output as a table for spreadsheets (CSV: UTF-8, commas), one row per timing, and exit.</source>
        <translation>将&lt;文件&gt;中的定时作为电子表格（CSV：UTF-8，逗号分隔）写到标准输出，每个定时一行，然后退出。</translation>
    </message>
    <message>
        <source>Import the table CSV into FILE (made as a new set when it does not exist) and exit: all or nothing, every bad row told on standard error. 0 when imported, 1 when refused or not written.</source>
        <translation>将表格 CSV 导入&lt;文件&gt;（文件不存在时新建），然后退出：要么全部导入，要么都不导入，每个错误行都在标准错误中说明。导入成功时为 0，被拒绝或未能写入时为 1。</translation>
    </message>
    <message>
        <source>Compare what the player does with FILE and with the second file given, and exit: lines only the first has start with &quot;- &quot;, lines only the second has with &quot;+ &quot;. 0 when nothing differs, 2 when something does, 1 when a file cannot be read.</source>
        <translation>比较播放机按&lt;文件&gt;和按第二个文件所做的事，然后退出：只有第一个文件有的行以“- ”开头，只有第二个文件有的行以“+ ”开头。没有差异时为 0，有差异时为 2，无法读取文件时为 1。</translation>
    </message>
    <message>
        <source>With --week or --check: the standard program N (1 to 4) instead of the one the player runs; with --export: only its timings.</source>
        <translation>与 --week 或 --check 一起使用：显示标准程序 N（1 到 4），而不是播放机运行的程序；与 --export 一起使用：只导出它的定时。</translation>
    </message>
    <message>
        <source>%1 is not a timing file; nothing was imported</source>
        <translation>%1 不是定时文件，没有导入任何定时</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>nothing was imported into %1</source>
        <translation>没有向 %1 导入任何定时</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>--print, --week, --check, --export, --import and --diff are used one at a time</source>
        <translation>--print、--week、--check、--export、--import 和 --diff 每次只能用一个</translation>
    </message>
    <message>
        <source>--import CSV takes the timing FILE to import into</source>
        <translation>--import CSV 需要一个要导入的定时文件</translation>
    </message>
    <message>
        <source>--diff takes two timing files</source>
        <translation>--diff 需要两个定时文件</translation>
    </message>
    <message>
        <source>--print, --week, --check and --export take no other file</source>
        <translation>--print、--week、--check 和 --export 不接受其他文件</translation>
    </message>
    <message>
        <source>--program goes with --week, --check or --export</source>
        <translation>--program 只能与 --week、--check 或 --export 一起使用</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1，第 %2 行</translation>
    </message>
    <message>
        <source>, column %1</source>
        <translation>，“%1”列</translation>
    </message>
    <message>
        <source>, value &quot;%1&quot;</source>
        <translation>，“%1”</translation>
    </message>
    <message>
        <source>: %1</source>
        <translation>：%1</translation>
    </message>
</context>
</TS>
