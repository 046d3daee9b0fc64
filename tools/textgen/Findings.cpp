// The check over all texts: per-text rules, the rules across texts (one text
// per key, repeated texts and sentences) and the rules between the two
// day-and-hour paragraphs of one reading.
#include "Findings.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <tuple>

#include "ClaimBinding.h"
#include "GbkCodec.h"
#include "ReadingKeys.h"
#include "TextChecks.h"
#include "TextScan.h"

namespace textgen {

using namespace chart;
using reading::EngineKeys;
using reading::ReadingKeys;

namespace {

constexpr std::size_t kMinHan = 60;          // each text at least 60 Chinese characters
constexpr std::size_t kMaxCharacters = 300;  // and at most 300 characters

std::size_t HanCount(std::u32string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char32_t c) { return c >= 0x4E00 && c <= 0x9FFF; }));
}

Kind KindOf(Concern c) {
    switch (c) {
        case Concern::Harm:
            return Kind::Harm;
        case Concern::Sex:
        case Concern::Partner:
            return Kind::Partner;
        case Concern::Strength:
            return Kind::Strength;
        case Concern::WholeChart:
            return Kind::WholeChart;
        case Concern::Season:
            return Kind::Season;
        case Concern::Jargon:
            return Kind::Jargon;
        case Concern::DesignRemark:
            return Kind::Design;
        case Concern::Longevity:
        case Concern::Fated:
            return Kind::Promise;
        case Concern::Directive:
            return Kind::Directive;
        case Concern::Doctrine:
            return Kind::Doctrine;
        case Concern::Spelling:
            return Kind::Spelling;
    }
    return Kind::Form;
}

// The day stem of a bazi2 row's key, -1 for a row of another table or a bad key.
int DayStemOf(const SourceText& t) {
    if (t.section != Section::DayHour || t.key.empty()) return -1;
    const std::u32string day = CodePoints(t.key[0]);
    return day.empty() ? -1 : StemIndex(day[0]);
}

}  // namespace

ClaimScope ScopeOf(const SourceText& t) {
    ClaimScope scope;
    if (IsStemKey(t) || IsPillarKey(t)) {
        const KeyFacts k = FactsOfRow(t);
        scope.dayStem = k.dayStem;
        scope.dayBranch = k.dayBranch;
        scope.hourBranch = k.HourBranch();
        scope.stemPositions = {k.dayStem, k.HourStem()};
        scope.pillars = {k.hourPillar};
        if (k.IsPillarKey()) scope.pillars.push_back(PillarIndex(k.dayStem, k.dayBranch));
    } else if (t.section == Section::Year && !t.key.empty()) {
        if (const int p = PillarOfName(t.key[0]); p >= 0) {
            scope.stemPositions = {p % 10};
            scope.pillars = {p};
        }
    }
    return scope;
}

namespace {

// Every key the calendar engine hands a reading, by table, as the tables spell them.
std::map<std::string, std::set<std::vector<std::string>>> EngineKeysByFile() {
    const ReadingKeys& k = EngineKeys();
    std::map<std::string, std::set<std::vector<std::string>>> keys;
    for (const auto& [d, t] : k.stemHours) keys["bazi2.tsv"].insert({d, t});
    for (const auto& [d, t] : k.pillarHours) keys["bazi2.tsv"].insert({d, t});
    for (const std::string& y : k.years) keys["bazi3.tsv"].insert({y});
    for (const std::string& m : k.months) keys["bazi4.tsv"].insert({m});
    for (const std::string& d : k.days) keys["bazi5.tsv"].insert({d});
    for (const std::string& h : k.hours) keys["bazi6.tsv"].insert({h});
    return keys;
}

std::string KeyText(const std::vector<std::string>& key) {
    std::string s;
    for (const std::string& k : key) s += (s.empty() ? "" : " ") + k;
    return s;
}

class Checker {
public:
    Checker(const std::vector<SourceText>& texts, const CheckOptions& options)
        : m_texts(texts), m_options(options) {
        std::vector<std::string> all;
        for (const SourceText& t : texts) all.push_back(t.text);
        m_sentences = SentenceIndex(all);
        for (const SourceText& t : texts)
            if (IsStemKey(t)) m_stemRows[{t.key[0], t.key[1]}] = &t;
    }

    std::vector<Finding> Run() {
        CheckKeys();
        std::map<std::string, const SourceText*> seen;
        for (const SourceText& t : m_texts) {
            if (!Selected(t)) continue;
            if (const auto [it, fresh] = seen.insert({t.text, &t}); !fresh)
                Add(Kind::Form, t,
                    "repeats the text of " + it->second->file + ":" + std::to_string(it->second->line));
            CheckText(t);
        }
        std::stable_sort(m_out.begin(), m_out.end(), [](const Finding& a, const Finding& b) {
            if (!a.text || !b.text) return !a.text && b.text;
            return std::tie(a.text->file, a.text->line) < std::tie(b.text->file, b.text->line);
        });
        return std::move(m_out);
    }

private:
    bool Selected(const SourceText& t) const { return m_options.stem < 0 || DayStemOf(t) == m_options.stem; }

    void Add(Kind kind, const SourceText& t, std::string message, bool pending = false) {
        m_out.push_back({kind, &t, std::move(message), pending});
    }

    // One row per key the engine produces; no row a reading never asks for.
    void CheckKeys() {
        const auto engine = EngineKeysByFile();
        std::map<std::string, std::map<std::vector<std::string>, int>> rows;
        for (const SourceText& t : m_texts) {
            if (!Selected(t)) continue;
            if (++rows[t.file][t.key] == 2) Add(Kind::Form, t, "is a second row for its key");
            const auto known = engine.find(t.file);
            if (known != engine.end() && !known->second.count(t.key))
                Add(Kind::Form, t, "has a key no reading looks up");
        }
        for (const auto& [file, keys] : engine)
            for (const auto& key : keys) {
                const int stem = StemIndex(CodePoints(key[0])[0]);
                if (m_options.stem >= 0 && (file != "bazi2.tsv" || stem != m_options.stem)) continue;
                if (!rows[file].count(key))
                    m_out.push_back({Kind::Form, nullptr, file + ": no text for the key " + KeyText(key)});
            }
    }

    void CheckText(const SourceText& t) {
        const std::u32string cps = CodePoints(t.text);
        if (!platform::Utf8ToGbk(t.text)) Add(Kind::Form, t, "has a character GBK cannot encode");
        if (HanCount(cps) < kMinHan)
            Add(Kind::Form, t, "has " + std::to_string(HanCount(cps)) + " Chinese characters, fewer than 60");
        if (cps.size() > kMaxCharacters)
            Add(Kind::Form, t, "has " + std::to_string(cps.size()) + " characters, more than 300");
        if (Has(t.text, "\\n") || Has(t.text, "\r")) Add(Kind::Form, t, "is not one line");

        for (const ListedWord& w : ListedWords(t.text))
            Add(KindOf(w.concern), t, "uses " + std::string(w.word) + " (" + std::string(w.what) + ")");
        for (const std::string& s : UnconditionalTransforms(t.text))
            Add(Kind::Transform, t, "takes a 合 as transformed without its condition: 「" + s + "」");
        for (const std::string& s : DatedPromises(t.text))
            Add(Kind::Promise, t, "ties a prediction to an age or a span: 「" + s + "」");

        if (t.section == Section::DayHour && !IsStemKey(t) && !IsPillarKey(t))
            Add(Kind::Form, t, "has a key that is not a day stem or pillar with an hour pillar");
        if (IsStemKey(t) || IsPillarKey(t))
            for (const std::string& p : FalseClaims(FactsOfRow(t), t.text)) Add(Kind::Fact, t, p);
        for (const std::string& p : UnboundClaims(ScopeOf(t), t.text)) Add(Kind::Fact, t, p);
        for (const std::string& p : KeyMismatches(t.section, t.text)) Add(Kind::Fact, t, p);
        for (const std::string& p : MisplacedDescriptors(t.section, t.text)) Add(Kind::Temperament, t, p);

        const std::vector<std::u32string> masked = MaskedSentences(t.text);
        const std::vector<std::u32string> plain = Sentences(cps);
        for (std::size_t i = 0; i < masked.size() && i < plain.size(); ++i) {
            if (masked[i].size() < kMinSentence) continue;
            const auto it = m_sentences.find(masked[i]);
            if (it != m_sentences.end() && it->second.size() > kMaxTexts)
                Add(Kind::Repeat, t,
                    "has a sentence that stands in " + std::to_string(it->second.size()) + " texts: 「" +
                        Utf8Of(plain[i]) + "」");
        }
        if (IsPillarKey(t)) CheckPair(t, masked, plain);
    }

    // The pillar+hour text says what the day branch adds and leaves the hour
    // stem's ten god, and whatever its stem+hour text says, to that text.
    void CheckPair(const SourceText& t, const std::vector<std::u32string>& masked,
                   const std::vector<std::u32string>& plain) {
        const auto stemRow = m_stemRows.find({t.key[0].substr(0, t.key[0].size() / 2), t.key[1]});
        if (stemRow == m_stemRows.end()) return;
        const SourceText& other = *stemRow->second;
        const bool pending = m_options.pendingStems.count(DayStemOf(t)) > 0;
        const std::string where =
            " (its stem+hour text is " + other.file + ":" + std::to_string(other.line) + ")";
        const std::vector<std::u32string> otherMasked = MaskedSentences(other.text);
        for (std::size_t i = 0; i < masked.size() && i < plain.size(); ++i)
            if (masked[i].size() >= kMinSentence &&
                std::find(otherMasked.begin(), otherMasked.end(), masked[i]) != otherMasked.end())
                Add(Kind::Overlap, t,
                    "shares a sentence with its stem+hour text: 「" + Utf8Of(plain[i]) + "」" + where,
                    pending);
        const KeyFacts k = FactsOfRow(t);
        const auto mine = StemGodsNamed(k.dayStem, t.text), theirs = StemGodsNamed(k.dayStem, other.text);
        for (const auto& [stem, god] : mine) {
            const std::string named = std::string(StemName(stem)) + " " + std::string(TenGodName(god));
            if (stem == k.HourStem())
                Add(Kind::Overlap, t,
                    "names the hour stem's ten god (" + named + "), which the stem+hour text tells" + where,
                    pending);
            else if (theirs.count({stem, god}))
                Add(Kind::Overlap, t, "names " + named + ", as its stem+hour text does" + where, pending);
        }
    }

    const std::vector<SourceText>& m_texts;
    const CheckOptions& m_options;
    std::map<std::u32string, std::vector<int>> m_sentences;
    std::map<std::pair<std::string, std::string>, const SourceText*> m_stemRows;
    std::vector<Finding> m_out;
};

}  // namespace

std::string_view KindName(Kind k) {
    static constexpr std::array<std::string_view, kKinds> kNames = {
        "form",     "fact",     "strength",    "transform", "whole-chart", "season",
        "jargon",   "design",   "promise",     "partner",   "harm",        "directive",
        "doctrine", "spelling", "temperament", "repeat",    "overlap",
    };
    return kNames[static_cast<std::size_t>(k)];
}

std::vector<Finding> CheckTexts(const std::vector<SourceText>& texts, const CheckOptions& options) {
    return Checker(texts, options).Run();
}

std::string FindingsReport(const std::vector<Finding>& findings) {
    std::ostringstream out;
    std::array<int, kKinds> count{}, pending{};
    for (const Finding& f : findings) {
        if (f.text) out << f.text->file << ":" << f.text->line << ": " << KeyText(f.text->key) << ": ";
        out << KindName(f.kind) << (f.pending ? " (pending)" : "") << ": " << f.message << "\n";
        ++(f.pending ? pending : count)[static_cast<std::size_t>(f.kind)];
    }
    int problems = 0, waiting = 0;
    std::string byKind;
    for (int k = 0; k < kKinds; ++k) {
        problems += count[static_cast<std::size_t>(k)];
        waiting += pending[static_cast<std::size_t>(k)];
        if (count[static_cast<std::size_t>(k)])
            byKind += (byKind.empty() ? ": " : ", ") + std::to_string(count[static_cast<std::size_t>(k)]) +
                      " " + std::string(KindName(static_cast<Kind>(k)));
    }
    out << problems << " problem" << (problems == 1 ? "" : "s") << byKind << "\n";
    if (waiting)
        out << waiting << " pending overlap" << (waiting == 1 ? "" : "s")
            << " in pillar+hour texts awaiting their rewrite\n";
    return out.str();
}

std::string PillarRowsByStem(const std::vector<Finding>& findings) {
    // Rows (file lines) of each day stem's pillar+hour texts with a finding of each kind.
    std::array<std::array<std::set<int>, kKinds>, 10> rows;
    std::array<std::set<int>, 10> any;
    for (const Finding& f : findings) {
        if (!f.text || !IsPillarKey(*f.text)) continue;
        const auto stem = static_cast<std::size_t>(DayStemOf(*f.text));
        rows[stem][static_cast<std::size_t>(f.kind)].insert(f.text->line);
        any[stem].insert(f.text->line);
    }
    std::ostringstream out;
    out << "stem\trows";
    for (int k = 0; k < kKinds; ++k) out << "\t" << KindName(static_cast<Kind>(k));
    out << "\n";
    for (std::size_t s = 0; s < 10; ++s) {
        out << StemName(static_cast<int>(s)) << "\t" << any[s].size();
        for (const auto& kind : rows[s]) out << "\t" << kind.size();
        out << "\n";
    }
    return out.str();
}

}  // namespace textgen
