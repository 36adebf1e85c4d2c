// Qt's own model checker on every table model of the program, while each
// model does what its window does with it: filled, edited, rows added and
// removed, shown again. The checker reports any break of the model rules
// (counts, indexes, signals around row changes) as a warning; none may come.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QStringList>
#include <QUndoStack>
#include <memory>

#include "core/startup_statistics.h"
#include "platform/qt/entry/draw_entry_model.h"
#include "platform/qt/grid/grid_table_model.h"
#include "platform/qt/tickets/ticket_month_model.h"
#include "platform/qt/tickets/ticket_outcome_model.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/store/database.h"
#include "temp_dir.h"
#include "test_history.h"
#include "tickets/ticket_check.h"
#include "tickets/ticket_summary.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

// Collects what the model checker reports while it lives.
class ModelReports {
public:
    ModelReports() {
        reports_ = &messages;
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (context.category && QByteArray(context.category).startsWith("qt.modeltest"))
                reports_->append(text);
            else if (type == QtFatalMsg)
                abort();
        });
    }
    ~ModelReports() {
        qInstallMessageHandler(previous_);
        reports_ = nullptr;
    }
    ModelReports(const ModelReports&) = delete;
    ModelReports& operator=(const ModelReports&) = delete;

    QStringList messages;

private:
    static inline QStringList* reports_ = nullptr;
    QtMessageHandler previous_ = nullptr;
};

std::unique_ptr<QAbstractItemModelTester> Checker(QAbstractItemModel* model) {
    return std::make_unique<QAbstractItemModelTester>(model, QAbstractItemModelTester::FailureReportingMode::Warning);
}

std::unique_ptr<Database> DatabaseWith(const TempDir& dir, int draws) {
    auto db = Database::Open(dir.file("n3.db"));
    db->draws().Import(n3::testing::generatedHistory(draws, 5, 7));
    return db;
}

}  // namespace

TEST(ModelRules, GridTableModelShowingEveryWindowsGridInTurn) {
    ModelReports reports;
    GridTableModel model;
    const auto checker = Checker(&model);
    const DrawHistory history = n3::testing::generatedHistory(300, 9, 11);
    const StartupStatistics stats = LoadStartupStatistics(history);
    std::vector<GridModel> grids;
    for (const AnalysisWindowInfo& info : AnalysisWindowTable())
        if (info.build) grids.push_back(BuildAnalysisGrid(info, history, stats));
    ASSERT_GT(grids.size(), 10u);
    for (const GridModel& grid : grids) {
        model.showGrid(&grid);
        EXPECT_EQ(model.rowCount() > 0, grid.rows() > 0);
    }
    model.showGrid(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(reports.messages.isEmpty()) << reports.messages.join('\n').toStdString();
}

TEST(ModelRules, DrawEntryModelThroughAddEditAndDelete) {
    ModelReports reports;
    TempDir dir;
    const auto db = DatabaseWith(dir, 40);
    const auto model = DrawEntryModel::Open(*db);
    const auto checker = Checker(model.get());
    ASSERT_EQ(model->rowCount(), 40);
    const int added = model->addLine();
    ASSERT_GE(added, 0);
    EXPECT_TRUE(model->setData(model->index(added, 1), QStringLiteral("4")));
    EXPECT_TRUE(model->setData(model->index(6, 2), QStringLiteral("8")));  // the draw whose second digit was empty
    EXPECT_GE(model->addLine(), 0);
    model->undoStack()->undo();  // the added row goes, and comes back
    model->undoStack()->redo();
    EXPECT_TRUE(model->deleteLine(0));
    EXPECT_TRUE(model->deleteLines(2, 5));
    EXPECT_EQ(model->rowCount(), 37);
    EXPECT_TRUE(reports.messages.isEmpty()) << reports.messages.join('\n').toStdString();
}

TEST(ModelRules, TicketModelsThroughTheBooksChanges) {
    ModelReports reports;
    TempDir dir;
    const auto db = DatabaseWith(dir, 30);
    const auto book = TicketTableModel::Open(*db);
    TicketOutcomeModel outcomes;
    TicketMonthModel months;
    const auto bookChecker = Checker(book.get());
    const auto outcomeChecker = Checker(&outcomes);
    const auto monthChecker = Checker(&months);
    const DrawHistory history = db->draws().ReadHistory();
    const auto showAll = [&] {
        const std::vector<DrawOutcome> checked = CheckBook(book->book(), history, {});
        outcomes.show(book->book(), checked);
        months.show(Summarise(book->book(), checked));
    };
    showAll();
    const std::pair<const char*, QString> lines[] = {{"2024-05-30", QStringLiteral("123")},
                                                     {"2024-05-31", QStringLiteral("456")},
                                                     {"2024-06-01", QStringLiteral("789")}};
    for (const auto& [day, number] : lines) {
        const int row = book->addLine(book->rowCount() - 1, day, 25);
        ASSERT_GE(row, 0);
        EXPECT_TRUE(book->setData(book->index(row, TicketBookEditor::kNumber), number));
        showAll();
    }
    EXPECT_TRUE(book->setData(book->index(0, TicketBookEditor::kUnits), QStringLiteral("3")));
    EXPECT_GE(book->addLine(0, "2024-06-02", 40), 0);  // a draw not drawn yet
    showAll();
    EXPECT_TRUE(book->deleteLine(1));
    showAll();
    EXPECT_EQ(book->rowCount(), 3);
    EXPECT_GT(outcomes.rowCount(), 0);
    EXPECT_GT(months.rowCount(), 0);
    while (book->rowCount() > 0) ASSERT_TRUE(book->deleteLine(0));
    showAll();
    EXPECT_EQ(outcomes.rowCount(), 0);
    EXPECT_TRUE(reports.messages.isEmpty()) << reports.messages.join('\n').toStdString();
}
