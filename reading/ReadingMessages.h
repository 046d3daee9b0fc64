// The words a user reads when a reading cannot be made (UTF-8), the same in
// the program's message boxes and on karvuto-read's standard error. The two
// failure texts are followed by the error's own text (ComError::ErrorText).
#pragma once

inline constexpr char kOpenFailedText[] = "连接数据库失败!\r\n错误信息:";
inline constexpr char kReadFailedText[] = "读取命理数据失败!\r\n错误信息:";
inline constexpr char kInvalidDateText[] = "无效的日期! 请重新输入!";
