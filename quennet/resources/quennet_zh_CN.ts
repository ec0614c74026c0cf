<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the timing programs of the player&apos;s data file C:\DSdata\UserDS.KQD.</source>
        <translation>编辑播放机数据文件 C:\DSdata\UserDS.KQD 中的定时程序。</translation>
    </message>
    <message>
        <source>Write every program&apos;s timings to standard output and exit. The data file is only read.</source>
        <translation>将每个程序的定时写到标准输出，然后退出。数据文件只读不写。</translation>
    </message>
    <message>
        <source>Use &lt;folder&gt; as drive C: (default: %1).</source>
        <translation>以&lt;文件夹&gt;作为 C: 盘（默认：%1）。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>没有文件夹 %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the timings: %1</source>
        <translation>无法写出定时：%1</translation>
    </message>
    <message>
        <source>Write the week the player runs to standard output, one line per start of a timing, and exit. The data file is only read.</source>
        <translation>将播放机运行的一周写到标准输出，每次定时开始一行，然后退出。数据文件只读不写。</translation>
    </message>
    <message>
        <source>Write the clashes, the timings that never play and the notes of that week to standard output and exit: status 2 when there is a clash or a timing that never plays.</source>
        <translation>将这一周的冲突、永不播放的定时和提示写到标准输出，然后退出：有冲突或永不播放的定时时退出状态为 2。</translation>
    </message>
    <message>
        <source>--program takes a program number from 1 to 4, not &quot;%1&quot;</source>
        <translation>--program 只接受 1 到 4 的程序号，而不是“%1”</translation>
    </message>
    <message>
        <source>%1 is incomplete: %2 bytes instead of %3</source>
        <translation>%1 不完整：只有 %2 字节，应有 %3 字节</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[文件]</translation>
    </message>
    <message>
        <source>Write the timings to standard output as a table for spreadsheets (CSV: UTF-8, commas), one row per timing, and exit. The data file is only read.</source>
        <translation>将定时作为电子表格（CSV：UTF-8，逗号分隔）写到标准输出，每个定时一行，然后退出。数据文件只读不写。</translation>
    </message>
    <message>
        <source>Import the table &lt;csv&gt; into the data file (made as a new set when it does not exist) and exit: all or nothing, every bad row told on standard error. 0 when imported, 1 when refused or not written.</source>
        <translation>将表格 &lt;csv&gt; 导入数据文件（文件不存在时新建），然后退出：要么全部导入，要么都不导入，每个错误行都在标准错误中说明。导入成功时为 0，被拒绝或未能写入时为 1。</translation>
    </message>
    <message>
        <source>Compare what the player does with two data files, given as two arguments, and exit: lines only the first has start with &quot;- &quot;, lines only the second has with &quot;+ &quot;. 0 when nothing differs, 2 when something does, 1 when a file cannot be read.</source>
        <translation>比较播放机按两个数据文件（两个参数）所做的事，然后退出：只有第一个文件有的行以“- ”开头，只有第二个文件有的行以“+ ”开头。没有差异时为 0，有差异时为 2，无法读取文件时为 1。</translation>
    </message>
    <message>
        <source>With --week, --check or --export: program &lt;n&gt; (1 to 4) instead of the one the player runs (all four for --export).</source>
        <translation>与 --week、--check 或 --export 一起使用：程序 &lt;n&gt;（1 到 4），而不是播放机运行的程序（--export 默认为全部四个）。</translation>
    </message>
    <message>
        <source>With --print, --week, --check, --export or --import: the data file to use instead of the one on drive C:, of any name, for example a copy of the player&apos;s card.</source>
        <translation>与 --print、--week、--check、--export 或 --import 一起使用：使用这个数据文件，而不是 C: 盘上的那个；文件名不限，例如从播放机的卡上复制的文件。</translation>
    </message>
    <message>
        <source>--program goes with --week, --check or --export</source>
        <translation>--program 须与 --week、--check 或 --export 一起使用</translation>
    </message>
    <message>
        <source>--diff compares two data files</source>
        <translation>--diff 需要两个数据文件</translation>
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
    <message>
        <source>nothing was imported: %1 is unchanged</source>
        <translation>没有导入任何内容：%1 没有改变</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
</TS>
