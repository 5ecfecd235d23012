// Google Benchmark's console output, keeping the mean real time of every "operation/editor"
// run, and printing them at the end as a table of milliseconds and ratios to the peers.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TableReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::map<std::string, double>> Millis; // operation → editor → ms

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            std::string name = run.benchmark_name();
            // operation/editor, then Google Benchmark's own suffixes (iterations:, real_time).
            auto slash = name.find('/');
            if (slash == std::string::npos || run.run_type != Run::RT_Iteration)
                continue;
            std::string op = name.substr(0, slash);
            std::string editor = name.substr(slash + 1, name.find('/', slash + 1) - slash - 1);
            double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            Millis[op][editor] = seconds * 1000.0;
        }
    }

    // One row per operation, in the given order.
    void PrintTable(const char* heading, const std::vector<std::string>& operations) const {
        std::printf("\n| %s | TOVIX ms | QPlainTextEdit ms | QScintilla ms | "
                    "TOVIX / QPlainTextEdit | TOVIX / QScintilla |\n|---|---|---|---|---|---|\n",
                    heading);
        for (const std::string& op : operations) {
            auto it = Millis.find(op);
            if (it == Millis.end())
                continue;
            auto get = [&](const char* editor) {
                auto e = it->second.find(editor);
                return e == it->second.end() ? -1.0 : e->second;
            };
            double t = get("TOVIX"), p = get("QPlainTextEdit"), s = get("QScintilla");
            std::printf("| %s | %s | %s | %s | %s | %s |\n", op.c_str(), Cell(t).c_str(),
                        Cell(p).c_str(), Cell(s).c_str(), Ratio(t, p).c_str(), Ratio(t, s).c_str());
        }
    }

private:
    static std::string Cell(double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, v < 0 ? "-" : "%.3f", v);
        return buf;
    }
    static std::string Ratio(double a, double b) {
        char buf[32];
        std::snprintf(buf, sizeof buf, a < 0 || b <= 0 ? "-" : "%.2f", a / b);
        return buf;
    }
};
