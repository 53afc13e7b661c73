// Class records, property records applied through them, and the tested casts.
#include "FrameworkTest.h"

namespace {

// Its setters log what they are given, in the order they are given it.
class Gauge : public Object {
public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record = ClassRegistry::Register(
            ClassInfo("Tests.Gauge", &Object::Lookup())
                .Int<Gauge>("Low", &Gauge::SetLow)
                .Property("Ratio", PropertyType::Double, [](Object& object, const PropertyValue& value) {
                    static_cast<Gauge&>(object).log.push_back("Ratio=" + std::to_string(std::get<double>(value)));
                }));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    void SetLow(int32_t value) { log.push_back("Low=" + std::to_string(value)); }
    Log log;
};

}  // namespace

using PropertyRecords = FrameworkTest;

TEST_F(PropertyRecords, AreAppliedPairByPairInTheirOrderThroughTheClassChain) {
    Gauge gauge;
    SetProperties(gauge, {{"Low", 1}, {"Ratio", 5}, {"Low", 3}, {"Ratio", 0.25}});
    EXPECT_EQ(gauge.log, (Log{"Low=1", "Ratio=5.000000", "Low=3", "Ratio=0.250000"}));

    auto window = RuntimeNewObject<LogWindow>();       // a class of its own with Window's properties
    SetProperties(*window, {{"Title", "Quillomar"}});  // a text literal must not turn into a Boolean
    EXPECT_EQ(window->Title(), "Quillomar");
}

TEST_F(PropertyRecords, RefuseAnUnknownNameOrAWrongTypeNamingClassAndProperty) {
    auto window = RuntimeNewObject<LogWindow>();
    const std::vector<std::pair<PropertyRecord, Log>> cases = {
        {{{"Colour", 3}}, {"Colour"}},
        {{{"Width", std::string("wide")}}, {"Width", "Int32", "String"}},
        {{{"Width", 2.5}}, {"Width", "Double"}},
        {{{"Visible", 1}}, {"Visible", "Boolean"}},
    };
    for (const auto& [record, named] : cases) {
        try {
            SetProperties(*window, record);
            ADD_FAILURE() << record[0].first << " was accepted";
        } catch (const UnsupportedOperationException& refusal) {
            const std::string text = refusal.what();
            EXPECT_NE(text.find("Tests.LogWindow"), std::string::npos) << text;
            for (const auto& word : named)
                EXPECT_NE(text.find(word), std::string::npos) << text;
        }
    }
    EXPECT_EQ(window->Width(), 100) << "a refused value was applied";
}

TEST(ClassRecords, AreFoundByFullNameKeepTheFirstOfANameAndKnowTheirBases) {
    const ClassInfo& gauge = Gauge::Lookup();
    EXPECT_EQ(ClassRegistry::Find("Tests.Gauge"), &gauge);
    EXPECT_EQ(ClassRegistry::Find("Canvas"), &Canvas::Lookup());
    EXPECT_EQ(ClassRegistry::Find("Tests.NoSuchClass"), nullptr);
    EXPECT_EQ(&ClassRegistry::Register(ClassInfo("Tests.Gauge", nullptr)), &gauge);
    EXPECT_TRUE(LogWindow::Lookup().IsA(Object::Lookup()));
    EXPECT_FALSE(Window::Lookup().IsA(LogWindow::Lookup()));
}

TEST(TestedCasts, KeepNilAndRefuseAnotherClass) {
    auto window = RuntimeNewObject<LogWindow>();
    std::shared_ptr<RectControl> canvas = window->New<Canvas>();
    EXPECT_EQ(Cast<Canvas>(std::shared_ptr<RectControl>()), nullptr);
    EXPECT_EQ(Cast<Canvas>(canvas), canvas);
    EXPECT_EQ(Cast<RectControl>(std::shared_ptr<Object>(canvas)), canvas);
    EXPECT_THROW(Cast<PushButton>(canvas), IllegalCastException);
    EXPECT_THROW(Cast<Window>(std::shared_ptr<Object>(canvas)), IllegalCastException);
}
