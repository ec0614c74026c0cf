#pragma once
// The object names the windows give their controls: the control identifiers of the window
// layouts. Code, tests and tools use these names instead of the bare numbers.
#include <array>

namespace quennet {

// Windows.
inline constexpr char kEditorWindow[] = "TimingEditor";
inline constexpr char kCheckListWindow[] = "TimingCheckList";
inline constexpr char kAboutWindow[] = "AboutBox";
inline constexpr char kWeekPlanWindow[] = "WeekPlan";

// Every window's default button: 确定 in the editor and the About box, 返回 in the check list.
inline constexpr char kDefaultButton[] = "1";

// Editor: file, program and kind.
inline constexpr char kOpenCloseButton[] = "1028";  // 打开文件 / 关闭文件
inline constexpr char kProgram1Radio[] = "1001";
inline constexpr char kProgram2Radio[] = "1002";
inline constexpr char kProgram3Radio[] = "1003";
inline constexpr char kProgram4Radio[] = "1004";
inline constexpr std::array<const char*, 4> kProgramRadios{kProgram1Radio, kProgram2Radio, kProgram3Radio,
                                                           kProgram4Radio};
inline constexpr char kTypeList[] = "1000";
inline constexpr char kIndicator[] = "1035";  // 当前定时

// Editor: number fields and their spins.
inline constexpr char kHourEdit[] = "1006";
inline constexpr char kHourSpin[] = "1008";
inline constexpr char kMinuteEdit[] = "1007";
inline constexpr char kMinuteSpin[] = "1009";
inline constexpr char kEndHourEdit[] = "1029";
inline constexpr char kEndHourSpin[] = "1047";
inline constexpr char kEndMinuteEdit[] = "1030";
inline constexpr char kEndMinuteSpin[] = "1056";
inline constexpr char kTrack1Edit[] = "1010";  // also the station
inline constexpr char kTrack1Spin[] = "1011";
inline constexpr char kTrack2Edit[] = "1012";
inline constexpr char kTrack2Spin[] = "1013";
inline constexpr char kTrack3Edit[] = "1014";
inline constexpr char kTrack3Spin[] = "1015";
inline constexpr char kRandomFromEdit[] = "1016";
inline constexpr char kRandomFromSpin[] = "1017";
inline constexpr char kRandomToEdit[] = "1018";
inline constexpr char kRandomToSpin[] = "1019";
// The two arrows of every spin.
inline constexpr char kSpinUp[] = "up";
inline constexpr char kSpinDown[] = "down";

// Editor: labels that the kinds show, hide or change.
inline constexpr char kEndDashLabel[] = "1057";
inline constexpr char kEndHourLabel[] = "1058";
inline constexpr char kEndMinuteLabel[] = "1059";
inline constexpr char kTrackLabel[] = "1048";  // 曲    目 / 台    号:
inline constexpr char kTrackDash1Label[] = "1052";
inline constexpr char kTrackDash2Label[] = "1053";
inline constexpr char kRandomLabel[] = "1049";
inline constexpr char kRandomFromLabel[] = "1054";
inline constexpr char kRandomToLabel[] = "1055";
inline constexpr char kDaysLabel[] = "1050";
inline constexpr char kZonesLabel[] = "1051";

// Editor: weekdays, Sunday first, and zones 1..4.
inline constexpr char kSundayBox[] = "1024";
inline constexpr char kMondayBox[] = "1025";
inline constexpr char kTuesdayBox[] = "1026";
inline constexpr char kWednesdayBox[] = "1031";
inline constexpr char kThursdayBox[] = "1032";
inline constexpr char kFridayBox[] = "1033";
inline constexpr char kSaturdayBox[] = "1034";
inline constexpr std::array<const char*, 7> kDayBoxes{kSundayBox,   kMondayBox, kTuesdayBox, kWednesdayBox,
                                                      kThursdayBox, kFridayBox, kSaturdayBox};
inline constexpr char kZone1Box[] = "1036";
inline constexpr char kZone2Box[] = "1037";
inline constexpr char kZone3Box[] = "1038";
inline constexpr char kZone4Box[] = "1039";
inline constexpr std::array<const char*, 4> kZoneBoxes{kZone1Box, kZone2Box, kZone3Box, kZone4Box};

// Editor: the buttons that need an open file.
inline constexpr char kFirstButton[] = "1043";      // 第一定时
inline constexpr char kLastButton[] = "1044";       // 最后定时
inline constexpr char kPreviousButton[] = "1045";   // 上一定时
inline constexpr char kNextButton[] = "1040";       // 下一定时
inline constexpr char kCheckListButton[] = "1046";  // 定时查看
inline constexpr char kAddButton[] = "1027";        // 添加保存
inline constexpr char kModifyButton[] = "1060";     // 修改保存
inline constexpr char kDeleteButton[] = "1041";     // 删除本条
inline constexpr char kClearAllButton[] = "1042";   // 全部清空
inline constexpr std::array<const char*, 9> kFileButtons{kFirstButton,  kLastButton,      kPreviousButton,
                                                         kNextButton,   kCheckListButton, kAddButton,
                                                         kModifyButton, kDeleteButton,    kClearAllButton};

// Check list.
inline constexpr char kTimingList[] = "1037";
inline constexpr char kWeekPlanButton[] = "WeekPlanButton";  // 周计划

// Check list: its tools and their windows.
inline constexpr char kUndoButton[] = "UndoButton";               // 撤销
inline constexpr char kRedoButton[] = "RedoButton";               // 重做
inline constexpr char kSeriesButton[] = "SeriesButton";           // 批量添加
inline constexpr char kCopyButton[] = "CopyButton";               // 复制到…
inline constexpr char kShiftButton[] = "ShiftButton";             // 平移时间
inline constexpr char kDaysZonesButton[] = "DaysZonesButton";     // 星期与分区
inline constexpr char kDeleteSelectionButton[] = "DeleteButton";  // 删除
inline constexpr char kExportButton[] = "ExportButton";           // 导出…
inline constexpr char kImportButton[] = "ImportButton";           // 导入…
inline constexpr char kCompareButton[] = "CompareButton";         // 比较…
inline constexpr char kSeriesDialog[] = "SeriesDialog";
inline constexpr char kSeriesTimes[] = "SeriesTimes";
inline constexpr char kSeriesOk[] = "SeriesOk";
inline constexpr char kCopyDialog[] = "CopyDialog";
inline constexpr std::array<const char*, 7> kCopyDays{"CopyDay1", "CopyDay2", "CopyDay3", "CopyDay4",
                                                      "CopyDay5", "CopyDay6", "CopyDay7"};  // Monday first
inline constexpr std::array<const char*, 4> kCopyZones{"CopyZone1", "CopyZone2", "CopyZone3", "CopyZone4"};
inline constexpr char kCopyOk[] = "CopyOk";
inline constexpr char kShiftDialog[] = "ShiftDialog";
inline constexpr char kShiftMinutes[] = "ShiftMinutes";
inline constexpr char kShiftOk[] = "ShiftOk";
inline constexpr char kDaysZonesDialog[] = "DaysZonesDialog";
inline constexpr std::array<const char*, 7> kDZDays{"DZDay1", "DZDay2", "DZDay3", "DZDay4",
                                                    "DZDay5", "DZDay6", "DZDay7"};  // Monday first
inline constexpr std::array<const char*, 4> kDZZones{"DZZone1", "DZZone2", "DZZone3", "DZZone4"};
inline constexpr char kDaysZonesOk[] = "DaysZonesOk";

// Week plan.
inline constexpr char kWeekProgramList[] = "WeekProgram";  // the program shown
inline constexpr char kWeekZoomSlider[] = "WeekZoom";
inline constexpr char kWeekZoomText[] = "WeekZoomText";  // "8 小时": the hours in view
inline constexpr char kWeekPicture[] = "WeekPicture";
inline constexpr char kFindingList[] = "FindingList";
inline constexpr char kWeekPrintButton[] = "WeekPrintButton";  // 打印
inline constexpr char kWeekCloseButton[] = "WeekCloseButton";  // 关闭

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

}  // namespace quennet
