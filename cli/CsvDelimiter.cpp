#include "cli/CsvDelimiter.h"

#include <array>
#include <cstddef>
#include <vector>

namespace zindra::cli {
namespace {

// A colon is no candidate: times and addresses hold colons, and a file
// split at them would be read without a word. It must be asked for.
constexpr std::array<char, 3> Candidates = {'\t', ';', ','};
constexpr std::size_t RecordsLooked = 20;

using Counts = std::array<std::size_t, Candidates.size()>;

// Each record's count of every candidate outside quotes. The last record
// may be cut off where `start` ends: it is left out unless it is the only one.
std::vector<Counts> CountPerRecord(std::string_view start) {
    std::vector<Counts> records(1);
    bool quoted = false;
    bool ended = false; // the last record read has ended with its line break
    for (std::size_t i = 0; i < start.size() && records.size() <= RecordsLooked; ++i) {
        const char c = start[i];
        if (ended) {
            if (c == '\n' || c == '\r') continue; // a blank line says nothing
            records.emplace_back();
            ended = false;
        }
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            if (c == '\r' && i + 1 < start.size() && start[i + 1] == '\n') ++i;
            ended = true;
        } else if (!quoted) {
            for (std::size_t k = 0; k < Candidates.size(); ++k)
                records.back()[k] += c == Candidates[k];
        }
    }
    if (!ended && records.size() > 1) records.pop_back();
    return records;
}

} // namespace

DelimiterGuess GuessDelimiter(std::string_view start) {
    const std::vector<Counts> records = CountPerRecord(start);
    std::vector<std::size_t> steady;  // in every record, as often, at least once
    std::vector<std::size_t> inFirst; // at least once in the first record
    for (std::size_t k = 0; k < Candidates.size(); ++k) {
        bool same = records.front()[k] > 0;
        for (const Counts& counts : records)
            same = same && counts[k] == records.front()[k];
        if (same) steady.push_back(k);
        if (records.front()[k] > 0) inFirst.push_back(k);
    }
    const std::vector<std::size_t>& pool = steady.empty() ? inFirst : steady;
    DelimiterGuess guess;
    if (pool.empty()) return guess;
    guess.Delimiter = Candidates[pool.front()];
    // Lines that disagree leave doubt about any candidate one of them holds.
    std::vector<std::size_t> seen;
    for (std::size_t k = 0; k < Candidates.size(); ++k)
        for (const Counts& counts : records)
            if (counts[k] > 0) {
                seen.push_back(k);
                break;
            }
    const bool disagree = steady.empty() && records.size() > 1;
    for (std::size_t k : disagree ? seen : pool)
        if (k != pool.front())
            guess.Doubt += (guess.Doubt.empty() ? "" : " and ") + DelimiterName(Candidates[k]);
    return guess;
}

std::string DelimiterName(char delimiter) {
    return delimiter == '\t' ? "tab" : std::string("'") + delimiter + "'";
}

} // namespace zindra::cli
