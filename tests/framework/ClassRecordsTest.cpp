// Class records, property records applied through them, and the tested casts.
#include "FrameworkTest.h"
#include "framework/Object.h"

#include <gtest/gtest.h>

namespace {

// An object whose setters log what they are given, in the order they are given it.
class Gauge : public Object {
  public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record = ClassRegistry::Register(
            ClassInfo("Tests.Gauge", &Object::Lookup())
                .Int<Gauge>("Low", &Gauge::SetLow)
                .Int<Gauge>("High", &Gauge::SetHigh)
                .Property("Ratio", PropertyType::Double, [](Object& object, const PropertyValue& value) {
                    static_cast<Gauge&>(object).ratio = std::get<double>(value);
                }));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    void SetLow(int32_t value) { log.push_back("Low=" + std::to_string(value)); }
    void SetHigh(int32_t value) { log.push_back("High=" + std::to_string(value)); }

    std::vector<std::string> log;
    double ratio = 0;
};

// A subclass that adds one property and inherits the rest.
class FineGauge : public Gauge {
  public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record = ClassRegistry::Register(
            ClassInfo("Tests.FineGauge", &Gauge::Lookup()).Bool<FineGauge>("Fine", &FineGauge::SetFine));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    void SetFine(bool value) { fine = value; }
    bool fine = false;
};

std::string RefusalOf(Object& target, const PropertyRecord& record) {
    try {
        SetProperties(target, record);
    } catch (const UnsupportedOperationException& refused) {
        return refused.what();
    }
    return "";
}

class PlainWindow : public TestWindow<PlainWindow> {
  public:
    static constexpr const char* kClassName = "Tests.PlainWindow";
};

class BadLayout : public TestWindow<BadLayout> {
  public:
    static constexpr const char* kClassName = "Tests.BadLayout";
    void Layout() override { SetProperties(*this, {{"Width", 200}, {"Wdth", 100}}); }
};

} // namespace

using PropertyRecords = FrameworkTest;

TEST_F(PropertyRecords, AreAppliedPairByPairInTheirOrder) {
    Gauge gauge;
    SetProperties(gauge, {{"High", 1}, {"Low", 2}, {"High", 3}});
    EXPECT_EQ(gauge.log, (std::vector<std::string>{"High=1", "Low=2", "High=3"}));
}

TEST_F(PropertyRecords, ALaterPairOverridesAnEarlierOneOfTheSameName) {
    auto window = RuntimeNewObject<PlainWindow>();
    SetProperties(*window, {{"Width", 300}, {"Height", 200}, {"Width", 454}});
    EXPECT_EQ(window->Width(), 454);
    EXPECT_EQ(window->Height(), 200);
}

TEST_F(PropertyRecords, RefuseAnUnknownNameNamingTheClassAndTheProperty) {
    auto window = RuntimeNewObject<PlainWindow>();
    const std::string refusal = RefusalOf(*window, {{"Colour", 3}});
    EXPECT_NE(refusal.find("Tests.PlainWindow"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("Colour"), std::string::npos) << refusal;
}

TEST_F(PropertyRecords, RefuseAValueOfTheWrongTypeNamingBothTypes) {
    auto window = RuntimeNewObject<PlainWindow>();
    const std::string refusal = RefusalOf(*window, {{"Width", std::string("wide")}});
    EXPECT_NE(refusal.find("Width"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("Int32"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("String"), std::string::npos) << refusal;
    EXPECT_EQ(window->Width(), 100) << "a refused value must not be applied";

    EXPECT_NE(RefusalOf(*window, {{"Width", 2.5}}), "") << "a Double is no Int32";
    EXPECT_NE(RefusalOf(*window, {{"Visible", 1}}), "") << "an Int32 is no Boolean";
}

TEST_F(PropertyRecords, AcceptAnInt32WhereADoubleIsWanted) {
    Gauge gauge;
    SetProperties(gauge, {{"Ratio", 5}});
    EXPECT_DOUBLE_EQ(gauge.ratio, 5.0);
    SetProperties(gauge, {{"Ratio", 0.25}});
    EXPECT_DOUBLE_EQ(gauge.ratio, 0.25);
}

TEST_F(PropertyRecords, KeepATextLiteralAsText) {
    // A layout writes {"Title", "..."}: the literal must not turn into a Boolean on the way.
    PropertyValue title = "Quillomar";
    EXPECT_TRUE(std::holds_alternative<std::string>(title));
}

TEST_F(PropertyRecords, ThatFailInALayoutLeaveNoHalfBuiltSharedWindow) {
    EXPECT_THROW(ImplicitWindow<BadLayout>(), UnsupportedOperationException);
    EXPECT_EQ(GetImplicitWindow("Tests.BadLayout"), nullptr);
    EXPECT_TRUE(RuntimeWindowsFrontToBack().empty());
}

using ClassRecords = FrameworkTest;

TEST_F(ClassRecords, AreBuiltOnceAndFoundByFullName) {
    EXPECT_EQ(&Gauge::Lookup(), &Gauge::Lookup());
    EXPECT_EQ(ClassRegistry::Find("Tests.Gauge"), &Gauge::Lookup());
    EXPECT_EQ(ClassRegistry::Find("Tests.PlainWindow"), &PlainWindow::Lookup());
    EXPECT_EQ(ClassRegistry::Find("Canvas"), &Canvas::Lookup());
    EXPECT_EQ(ClassRegistry::Find("Tests.NoSuchClass"), nullptr);
}

TEST_F(ClassRecords, KeepTheFirstRecordOfAName) {
    const ClassInfo& original = Gauge::Lookup();
    const ClassInfo& again = ClassRegistry::Register(ClassInfo("Tests.Gauge", nullptr));
    EXPECT_EQ(&again, &original);
    EXPECT_EQ(again.Base(), &Object::Lookup());
}

TEST_F(ClassRecords, OfASubclassFindTheirBasesProperties) {
    const ClassInfo& fine = FineGauge::Lookup();
    EXPECT_EQ(fine.Base(), &Gauge::Lookup());
    EXPECT_TRUE(fine.IsA(Gauge::Lookup()));
    EXPECT_TRUE(fine.IsA(Object::Lookup()));
    EXPECT_FALSE(Gauge::Lookup().IsA(fine));
    EXPECT_EQ(Gauge::Lookup().FindProperty("Fine"), nullptr) << "a subclass's property leaks into its base";

    FineGauge gauge;
    SetProperties(gauge, {{"Fine", true}, {"Low", 7}});
    EXPECT_TRUE(gauge.fine);
    EXPECT_EQ(gauge.log, std::vector<std::string>{"Low=7"});

    // The framework's own chain: a Canvas takes Control's Name and RectControl's Left, and the events of
    // Canvas.
    EXPECT_NE(Canvas::Lookup().FindProperty("Name"), nullptr);
    EXPECT_NE(Canvas::Lookup().FindProperty("Left"), nullptr);
    EXPECT_NE(Canvas::Lookup().FindEventSignature("Paint"), nullptr);
    EXPECT_EQ(PushButton::Lookup().FindEventSignature("Paint"), nullptr);
}

using TestedCasts = FrameworkTest;

TEST_F(TestedCasts, KeepNilAndRefuseAnotherClass) {
    auto window = RuntimeNewObject<PlainWindow>();
    auto canvas = window->New<Canvas>();
    std::shared_ptr<RectControl> asControl = canvas;
    std::shared_ptr<Object> asObject = canvas;

    EXPECT_EQ(Cast<Canvas>(std::shared_ptr<RectControl>()), nullptr);
    EXPECT_EQ(Cast<Canvas>(asControl), canvas);
    EXPECT_EQ(Cast<RectControl>(asObject), canvas);
    EXPECT_THROW(Cast<PushButton>(asControl), IllegalCastException);
    EXPECT_THROW(Cast<Window>(asObject), IllegalCastException);
}

TEST_F(TestedCasts, NotNilRaisesNilObjectExceptionForNil) {
    EXPECT_THROW(NotNil(std::shared_ptr<Canvas>()), NilObjectException);
    EXPECT_THROW(RaiseNilObjectException(), NilObjectException);
    auto window = RuntimeNewObject<PlainWindow>();
    EXPECT_EQ(&NotNil(window), window.get());
}
