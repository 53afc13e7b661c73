// Windows: the shared instance of each class built from its property record, closing, and the place of the
// content area.
#include "FrameworkTest.h"

using Windows = FrameworkTest;

TEST_F(Windows, WhoseRecordHasAnUnknownNameOrAWrongTypeAreRefusedAndLeaveNoSharedInstance) {
    const std::vector<std::pair<PropertyRecord, Log>> refused = {
        {{{"Width", 200}, {"Wdth", 100}}, {"Tests.LogWindow", "Wdth"}},
        {{{"Width", std::string("wide")}}, {"Tests.LogWindow", "Width", "Int32", "String"}},
        {{{"Visible", 1}}, {"Tests.LogWindow", "Visible", "Boolean"}},
    };
    for (const auto& [record, named] : refused) {
        LogWindow::next = record;
        try {
            ImplicitWindow<LogWindow>();
            ADD_FAILURE() << record.back().first << " was accepted";
        } catch (const UnsupportedOperationException& refusal) {
            const std::string text = refusal.what();
            for (const auto& word : named)
                EXPECT_NE(text.find(word), std::string::npos) << text;
        }
        EXPECT_EQ(GetImplicitWindow("Tests.LogWindow"), nullptr);
    }
}

TEST_F(Windows, ClosedByTheCloseBoxGoOnceAndAreBuiltAnewUnlessTheyHaveNoneAndDialogsAreModal) {
    for (const PropertyRecord& frame : {PropertyRecord{{"Frame", 5}}, PropertyRecord{{"CloseButton", false}}}) {
        LogWindow::next = frame;
        auto window = ImplicitWindow<LogWindow>();
        window->Show();
        TopLevelOf(*window)->close();
        EXPECT_TRUE(TopLevelOf(*window)->isVisible());
        RuntimeReleaseModuleObjects();
    }
    LogWindow::next = {{"Frame", 1}};
    auto window = ImplicitWindow<LogWindow>();
    window->Show();
    EXPECT_EQ(TopLevelOf(*window)->windowModality(), Qt::ApplicationModal);
    TopLevelOf(*window)->close();
    TopLevelOf(*window)->close();
    EXPECT_EQ(window->log, Log{"Close"});
    EXPECT_FALSE(TopLevelOf(*window)->isVisible());
    EXPECT_NE(ImplicitWindow<LogWindow>(), window);
}
