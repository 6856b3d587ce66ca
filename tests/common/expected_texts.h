#pragma once
// The texts the user sees and the filters the choosers set, as the code page
// 936 bytes the program must produce. Spelled in escapes so the comparison
// does not depend on how the compiler converts the test's own literals.

namespace expected_texts {

// 提示
inline constexpr char kTitle[] = "\xCC\xE1\xCA\xBE";
// "提示 ", the restore's title, with its one trailing blank
inline constexpr char kRestoreTitle[] = "\xCC\xE1\xCA\xBE ";
// OEM信息设置完毕！请打开计算机的属性栏查看。
inline constexpr char kApplyDone[] =
    "OEM\xD0\xC5\xCF\xA2\xC9\xE8\xD6\xC3\xCD\xEA\xB1\xCF\xA3\xA1\xC7\xEB\xB4\xF2\xBF\xAA\xBC\xC6"
    "\xCB\xE3\xBB\xFA\xB5\xC4\xCA\xF4\xD0\xD4\xC0\xB8\xB2\xE9\xBF\xB4\xA1\xA3";
// 恢复成功！
inline constexpr char kRestoreDone[] = "\xBB\xD6\xB8\xB4\xB3\xC9\xB9\xA6\xA3\xA1";
// 请选择宽小于176，高小于120的图片
inline constexpr char kLogoRefused[] =
    "\xC7\xEB\xD1\xA1\xD4\xF1\xBF\xED\xD0\xA1\xD3\xDA"
    "176"
    "\xA3\xAC\xB8\xDF\xD0\xA1\xD3\xDA"
    "120"
    "\xB5\xC4\xCD\xBC\xC6\xAC";
// 请选择小于256KB且宽高为4:3的图片
inline constexpr char kBackgroundRefused[] =
    "\xC7\xEB\xD1\xA1\xD4\xF1\xD0\xA1\xD3\xDA"
    "256KB"
    "\xC7\xD2\xBF\xED\xB8\xDF\xCE\xAA"
    "4:3"
    "\xB5\xC4\xCD\xBC\xC6\xAC";
// 你还没有选择背景图片！
inline constexpr char kNoBackgroundChosen[] =
    "\xC4\xE3\xBB\xB9\xC3\xBB\xD3\xD0\xD1\xA1\xD4\xF1\xB1\xB3\xBE\xB0\xCD\xBC\xC6\xAC\xA3\xA1";
// 管理员: the failure message suggests running as administrator
inline constexpr char kAdministrator[] = "\xB9\xDC\xC0\xED\xD4\xB1";

// OEM LOGO位图(*.BMP)|*.bmp
inline constexpr char kLogoFilter[] = "OEM LOGO\xCE\xBB\xCD\xBC(*.BMP)|*.bmp";
// 登录背景图片（*.jpg）|*.jpg, full-width parentheses
inline constexpr char kBackgroundFilter[] =
    "\xB5\xC7\xC2\xBC\xB1\xB3\xBE\xB0\xCD\xBC\xC6\xAC\xA3\xA8*.jpg\xA3\xA9|*.jpg";

inline constexpr int kInformationStyle = 64;
inline constexpr int kWarningStyle = 48;

}  // namespace expected_texts
