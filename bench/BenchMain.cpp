#include "BaselinePosting.h"
#include "LargeDatabase.h"

#include "documents/DocumentEditor.h"
#include "documents/DocumentKinds.h"
#include "documents/DocumentLines.h"
#include "store/Database.h"
#include "store/Session.h"
#include "tools/NewDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>

// Times posting 50-line documents through the engine against a hand-written baseline that
// writes the same rows, on a database holding years of data.
namespace {

constexpr int LinesPerDocument = 50;
constexpr int Postings = 60;

struct Timing {
    double median;
    double p95;
};

Timing summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 95 / 100)]};
}

void enterLines(const DocumentKind& kind, const QString& number, int round) {
    for (int i = 0; i < LinesPerDocument; ++i) {
        DocumentLine line;
        line.itemCode = benchmarkItemCode((round * LinesPerDocument + i) % 2500);
        line.name = QStringLiteral("物品");
        line.unit = QStringLiteral("个");
        line.price = 2.5;
        line.quantity = 1;
        DocumentLines::add(kind, number, line);
    }
}

DocumentInput benchInput(const QString& number) {
    DocumentInput in;
    in.number = number;
    in.date = QDate(2026, 12, 1);
    in.counterparty = QStringLiteral("生产部");
    in.warehouse = BenchmarkWarehouse;
    in.destinationWarehouse = BenchmarkOtherWarehouse;
    in.handler = QStringLiteral("李四");
    return in;
}

double timed(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Engine and baseline alternate, so both see the same state of the database.
void measure(QTextStream& out, const char* name, const DocumentKind& kind) {
    std::vector<double> engine, baseline;
    for (int round = 0; round < Postings; ++round) {
        DocumentEditor editor(kind);
        enterLines(kind, editor.number(), round);
        editor.lineSaved();
        engine.push_back(timed([&] { editor.post(benchInput({})); }));

        const QString number = DocumentEditor::nextNumber(kind);
        enterLines(kind, number, round);
        baseline.push_back(timed([&] { baselinePost(kind, benchInput(number)); }));
    }
    const Timing e = summarise(engine);
    const Timing b = summarise(baseline);
    out << QStringLiteral("%1  engine median %2 ms  p95 %3 ms  baseline median %4 ms  ratio %5\n")
               .arg(QString::fromUtf8(name))
               .arg(e.median, 0, 'f', 2)
               .arg(e.p95, 0, 'f', 2)
               .arg(b.median, 0, 'f', 2)
               .arg(e.median / b.median, 0, 'f', 2);
    out.flush();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LibDB.db"));
    if (QString error = NewDatabase::create(path);
        !error.isEmpty() || !(error = Database::open(path)).isEmpty()) {
        out << error << '\n';
        return 1;
    }
    Session::setOperatorName(QStringLiteral("基准"));
    QElapsedTimer fill;
    fill.start();
    fillLargeDatabase();
    out << QStringLiteral("large database filled in %1 s\n")
               .arg(fill.elapsed() / 1000.0, 0, 'f', 1);

    measure(out, "inbound-note-50-lines", DocumentKinds::inboundNote());
    measure(out, "outbound-note-50-lines", DocumentKinds::outboundNote());
    measure(out, "transfer-note-50-lines", DocumentKinds::transferNote());
    measure(out, "stocktaking-note-50-lines", DocumentKinds::stocktakingNote());
    Database::close();
    return 0;
}
