#pragma once
// The object names the windows' controls carry, under names that say what each control is.
// Windows, tests and tools find the controls by these constants.

namespace tavisto {

// Windows
inline constexpr char kMainWindow[] = "TForm1";
inline constexpr char kOverviewWindow[] = "TForm2";
inline constexpr char kAboutWindow[] = "TForm3";
inline constexpr char kDiagramWindow[] = "TForm4";

// Main window: file commands
inline constexpr char kNewFileButton[] = "Button8";   // 新建文件
inline constexpr char kOpenFileButton[] = "Button5";  // 打开文件
inline constexpr char kSaveFileButton[] = "Button4";  // 保存文件

// Main window: what is edited
inline constexpr char kProgram1Button[] = "RadioButton1";         // 程序1
inline constexpr char kProgram2Button[] = "RadioButton2";         // 程序2
inline constexpr char kProgram3Button[] = "RadioButton3";         // 程序3
inline constexpr char kProgram4Button[] = "RadioButton4";         // 程序4
inline constexpr char kRandomProgramButton[] = "RadioButton7";    // 随机播放
inline constexpr char kEditObjectGroup[] = "GroupBox1";           // 选择编辑对象
inline constexpr char kTypeGroup[] = "GroupBox3";                 // 定时类型 / 随机播放
inline constexpr char kMusicOrOnButton[] = "RadioButton6";        // 音乐, or 开启 in the random program
inline constexpr char kPeripheralOrOffButton[] = "RadioButton5";  // 外设, or 关闭 in the random program
inline constexpr char kEditGroup[] = "GroupBox2";  // 音乐定时编辑 / 外设定时编辑 / 随机播放编辑
inline constexpr char kContentGroup[] = "RadioGroup4";  // 播放内容
inline constexpr char kTimeGroup[] = "RadioGroup3";     // 定时时间
inline constexpr char kWeekdayGroup[] = "RadioGroup1";  // 星期选择
inline constexpr char kZoneGroup[] = "RadioGroup2";     // 分区选择
inline constexpr char kPlayModeGroup[] = "GroupBox5";   // 播放方式
inline constexpr char kCopyGroup[] = "GroupBox4";       // 程序复制
inline constexpr char kRunGroup[] = "GroupBox6";        // 运行设定

// Main window: the fields of the shown timing
inline constexpr char kSlotNumberLabel[] = "StaticText3";  // 序列号
inline constexpr char kSlotNumberPanel[] = "Panel1";
inline constexpr char kStartHourEdit[] = "Edit2";
inline constexpr char kStartMinuteEdit[] = "Edit5";
inline constexpr char kEndHourEdit[] = "Edit6";
inline constexpr char kEndMinuteEdit[] = "Edit7";
inline constexpr char kTrack1Edit[] = "Edit4";  // also the first track of a random range
inline constexpr char kTrack2Edit[] = "Edit8";
inline constexpr char kTrack3Edit[] = "Edit9";  // also the last track of a random range
inline constexpr char kStartHourLabel[] = "StaticText4";
inline constexpr char kStartMinuteLabel[] = "StaticText5";
inline constexpr char kContentLabel[] = "StaticText10";
inline constexpr char kTrack1Label[] = "StaticText11";
inline constexpr char kTrack2Label[] = "StaticText12";
inline constexpr char kTrack3Label[] = "StaticText13";
inline constexpr char kFromLabel[] = "StaticText6";
inline constexpr char kToLabel[] = "StaticText9";
inline constexpr char kEndHourLabel[] = "StaticText7";
inline constexpr char kEndMinuteLabel[] = "StaticText8";
inline constexpr char kSequentialButton[] = "RadioButton9";  // 顺序播放
inline constexpr char kShuffleButton[] = "RadioButton8";     // 随机播放
inline constexpr const char* kWeekdayBoxes[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                                "CheckBox5", "CheckBox6", "CheckBox7"};  // 星期一..星期日
inline constexpr const char* kZoneBoxes[] = {"CheckBox8",  "CheckBox9",  "CheckBox10",
                                             "CheckBox11", "CheckBox12", "CheckBox13"};  // 分区一..分区六

// Main window: commands
inline constexpr char kClearTimingButton[] = "Button1";  // 清除本条
inline constexpr char kPreviousButton[] = "Button3";     // 上一定时
inline constexpr char kNextButton[] = "Button6";         // 下一定时
inline constexpr char kJumpButton[] = "Button10";        // 指定序号
inline constexpr char kCopyFromLabel[] = "StaticText1";  // 将程序
inline constexpr char kCopyFromList[] = "ComboBox1";
inline constexpr char kCopyToLabel[] = "StaticText2";  // 复制到
inline constexpr char kCopyToList[] = "ComboBox2";
inline constexpr char kCopyButton[] = "Button2";          // 开始复制
inline constexpr char kOverviewButton[] = "Button11";     // 定时核对
inline constexpr char kClearProgramButton[] = "Button7";  // 清除程序
inline constexpr char kRunLabel[] = "Label1";             // 程序
inline constexpr char kRunProgramList[] = "ComboBox3";    // 运行设定
inline constexpr char kHelpButton[] = "Button12";         // 帮助
inline constexpr char kAboutButton[] = "Button9";         // 关于
inline constexpr char kStatusBar[] = "StatusBar1";
inline constexpr char kEffectPanel[] = "StatusBar1Panel0";   // 此定时有效 / 此定时无效
inline constexpr char kEditingPanel[] = "StatusBar1Panel1";  // what is being edited

// Overview window
inline constexpr char kOverviewPanel[] = "Panel1";
inline constexpr char kOverviewHeader[] = "HeaderControl1";
inline constexpr char kOverviewGrid[] = "StringGrid1";
inline constexpr char kOverviewClearButton[] = "Button1";      // 清除定时
inline constexpr char kOverviewEditButton[] = "Button2";       // 编辑定时
inline constexpr char kOverviewBackButton[] = "Button3";       // 返回
inline constexpr char kWeekPlanButton[] = "WeekPlanButton";    // 周计划
inline constexpr char kUndoButton[] = "UndoButton";            // 撤销
inline constexpr char kRedoButton[] = "RedoButton";            // 重做
inline constexpr char kSeriesButton[] = "SeriesButton";        // 批量添加
inline constexpr char kCopyToButton[] = "CopyButton";          // 复制到…
inline constexpr char kShiftButton[] = "ShiftButton";          // 平移时间
inline constexpr char kDaysZonesButton[] = "DaysZonesButton";  // 星期与分区
inline constexpr char kExportButton[] = "ExportButton";        // 导出…
inline constexpr char kImportButton[] = "ImportButton";        // 导入…
inline constexpr char kCompareButton[] = "CompareButton";      // 比较…

// What an import of a table will change
inline constexpr char kImportWindow[] = "ImportWindow";
inline constexpr char kImportDiffList[] = "ImportDiffList";
inline constexpr char kImportConfirmButton[] = "ImportConfirmButton";  // 导入
inline constexpr char kImportCancelButton[] = "ImportCancelButton";    // 取消

// The open schedule compared with a file
inline constexpr char kCompareWindow[] = "CompareWindow";
inline constexpr char kCompareDiffList[] = "CompareDiffList";
inline constexpr char kComparePrintButton[] = "ComparePrintButton";  // 打印…
inline constexpr char kCompareCloseButton[] = "CompareCloseButton";  // 关闭

// The overview's bulk dialogs
inline constexpr char kSeriesDialog[] = "SeriesDialog";
inline constexpr char kSeriesTimes[] = "SeriesTimes";
inline constexpr char kSeriesOk[] = "SeriesOk";
inline constexpr char kCopyDialog[] = "CopyDialog";
inline constexpr const char* kCopyDays[] = {"CopyDay1", "CopyDay2", "CopyDay3", "CopyDay4",
                                            "CopyDay5", "CopyDay6", "CopyDay7"};  // Monday first
inline constexpr const char* kCopyZones[] = {"CopyZone1", "CopyZone2", "CopyZone3",
                                             "CopyZone4", "CopyZone5", "CopyZone6"};
inline constexpr char kCopyOk[] = "CopyOk";
inline constexpr char kShiftDialog[] = "ShiftDialog";
inline constexpr char kShiftMinutes[] = "ShiftMinutes";
inline constexpr char kShiftOk[] = "ShiftOk";
inline constexpr char kDaysZonesDialog[] = "DaysZonesDialog";
inline constexpr const char* kDaysZonesDays[] = {"DZDay1", "DZDay2", "DZDay3", "DZDay4",
                                                 "DZDay5", "DZDay6", "DZDay7"};  // Monday first
inline constexpr const char* kDaysZonesZones[] = {"DZZone1", "DZZone2", "DZZone3",
                                                  "DZZone4", "DZZone5", "DZZone6"};
inline constexpr char kDaysZonesOk[] = "DaysZonesOk";

// Week plan window
inline constexpr char kWeekPlanWindow[] = "WeekPlan";
inline constexpr char kWeekProgramList[] = "WeekProgram";
inline constexpr char kWeekZoomSlider[] = "WeekZoom";
inline constexpr char kWeekZoomText[] = "WeekZoomText";  // "8 小时": the hours in view
inline constexpr char kWeekPicture[] = "WeekPicture";
inline constexpr char kFindingList[] = "FindingList";
inline constexpr char kWeekPrintButton[] = "WeekPrintButton";  // 打印
inline constexpr char kWeekCloseButton[] = "WeekCloseButton";  // 关闭

// About window
inline constexpr char kAboutNameLabel[] = "Label1";
inline constexpr char kAboutModelLabel[] = "Label8";
inline constexpr char kAboutVersionLabel[] = "Label2";
inline constexpr char kAboutPurposeLabel[] = "Label3";
inline constexpr char kAboutFileTypeLabel[] = "Label7";
inline constexpr char kAboutReleaseLabel[] = "Label4";
inline constexpr char kAboutCopyrightLabel[] = "Label5";
inline constexpr char kAboutLicenceLabel[] = "Label6";
inline constexpr char kAboutIcon[] = "Image1";
inline constexpr char kAboutOkButton[] = "Button1";  // 确定

// Relation-diagram window
inline constexpr char kDiagramMemo[] = "Memo1";
inline constexpr char kDiagramPicture[] = "Image1";
inline constexpr char kDiagramCloseButton[] = "Button1";  // 关闭

}  // namespace tavisto
