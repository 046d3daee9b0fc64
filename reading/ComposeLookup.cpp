// Weight and text lookups on the interpretation database.
#include "ComposeLookup.h"

#include "ComposeFormat.h"
#include "TextCipher.h"

std::int32_t LookupWeight(Connection* connection, const std::string& name) {
    const RecordsetPtr rows =
        RunQuery(connection, FormatGbk("select * from bazi0 where type = \"%s\"", name.c_str()));
    std::int32_t weight = 0;
    if (!rows->IsEOF()) {
        const Variant amount = rows->Collect("amount");
        if (!amount.IsNull()) weight = amount.ToInt32();
    }
    rows->Close();
    return weight;
}

std::string LookupText(Connection* connection, const std::string& sql) {
    const RecordsetPtr rows = RunQuery(connection, sql);
    std::string text;
    if (!rows->IsEOF()) {
        const Variant meaning = rows->Collect("meaning");
        if (!meaning.IsNull()) {
            const std::string stored = meaning.ToText();
            text = DecodeText(stored);
            if (stored.size() > kStoredTextMaxChars) text = CutGbk(std::move(text), kStoredTextMaxChars / 2);
        }
    }
    rows->Close();
    return text;
}
