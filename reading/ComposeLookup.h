// The composer's two database steps. Each runs one fresh query on the
// connection and reads only the first row; a database failure is thrown as
// ComError and never caught here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Database.h"
#include "TextCipher.h"

// A stored text longer than kStoredTextMaxChars is read as its first
// kStoredTextMaxChars / 2 bytes, cut back to a GBK character boundary.

// The weight of a year, month, day or hour name (GBK) from bazi0's "amount";
// 0 when there is no row or the value is NULL.
std::int32_t LookupWeight(Connection* connection, const std::string& name);

// The decoded "meaning" of the first row the query (GBK SQL) answers; empty
// when there is no row or the value is NULL.
std::string LookupText(Connection* connection, const std::string& sql);
