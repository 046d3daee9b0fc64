// A person as the terminal shows it: one line in a list, or a labelled
// block for show. Texts the user typed are escaped where they are not
// printable UTF-8, so a name with a line feed keeps the list one line a
// person and nothing in the store can steer the terminal.
#pragma once

#include <string>

#include "Person.h"

namespace peopletool {

// "12  张三  男  阳历 1990-05-10 08:30  北京  客户、朋友", ending in a line feed.
std::string ListLine(const people::Person& p);

// Every field under a Chinese label, one a line; the report's name too
// when fitting it to ten GBK bytes changed it; times in local time.
std::string ShowText(const people::Person& p);

// "报告中的姓名为「欧阳春花雨」（…）" when the report's name differs from
// the stored one beyond white space at its ends; "" otherwise.
std::string ReportNameNote(const people::Person& p);

}  // namespace peopletool
