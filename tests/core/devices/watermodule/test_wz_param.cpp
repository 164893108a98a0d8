#include "core/devices/watermodule/WzFormMapping.h"
#include "core/devices/watermodule/WzParamForm.h"
#include "core/devices/watermodule/WzParamRequests.h"

#include "../hca/QStringPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <numeric>

using namespace kvq;
using namespace kvq::wz;

namespace {

std::uint8_t sum(const Frame& f, std::size_t first, std::size_t last) {
    return std::uint8_t(std::accumulate(f.begin() + first, f.begin() + last + 1, 0u));
}

Frame envelope(std::initializer_list<std::uint8_t> command) {
    Frame f{0x68, 0x08, 0x08, 0x68, 0x53, 0xFE, 0x51, 0x0F};
    for (std::uint8_t b : command)
        f.push_back(b);
    f.push_back(sum(f, 4, f.size() - 1));
    f.push_back(0x16);
    return f;
}

// A form as the installer fills it, collected into the image of a module that reported its own
// device options and temperature.
struct Collected {
    WzForm form;
    Image image{};
    ScheduleCache cache;
    Collected() {
        form.CheckBoxAutoAES = false;
        form.Edit1GeraeteID = form.EditFunkID = QStringLiteral("40123456");
        form.Edit1BattJahr = QStringLiteral("2035");
        form.sDateEdit1 = QDate(2025, 3, 14);
        form.sTimePicker1 = QTime(9, 41, 12);
        form.EditManCode = QStringLiteral("VTM");
        form.sendMonths.fill(true);
        form.sendDays = {true, true, true, true, true, false, false};
        form.CSpinEditStart = 7, form.CSpinEditStop = 19, form.CSpinEditZZ = 120, form.CSpinEditV = 7;
        image[off::ChipTemp] = 118;
        image[off::MaxStandstill] = 90;
        image[off::TS1] = 42;
        image[off::CycleNumber] = 17;
        setWord(image, off::OptionsB, ob::LedTransmissions | ob::MeasurementOutput);
    }
    bool collect() { return !CollectParamFormToImage(form, image, cache); }
};

} // namespace

TEST(WzParamRequests, RadioSetupSends28BytesFrom196WithTheTypedKey) {
    Collected c;
    c.form.EditAESKEY = QStringLiteral("3C 91 0E 5A 77 D2 48 B6 1F A0 6C E3 95 2B 84 0D");
    ASSERT_TRUE(c.collect());
    const Frame spaced = buildParamRequest(ParamRequest::RadioSetup, c.image);
    ASSERT_EQ(spaced.size(), 12u + 28 + 2);
    EXPECT_EQ(Frame(spaced.begin() + 8, spaced.begin() + 12), (Frame{0xC4, 0xC4, 0x1C, 0x21}));
    EXPECT_TRUE(std::equal(spaced.begin() + 12, spaced.begin() + 40, c.image.begin() + 196));
    EXPECT_EQ(spaced[12 + 10], 0x3C) << "key from offset 206";
    EXPECT_EQ(spaced[40], sum(spaced, 4, 39));

    // Without blanks, and with "Auto AES" left set: the key is still the typed one.
    Collected d;
    d.form.CheckBoxAutoAES = true;
    d.form.EditAESKEY = QStringLiteral("3c910e5a77d248b61fa06ce3952b840d");
    ASSERT_TRUE(d.collect());
    EXPECT_EQ(buildParamRequest(ParamRequest::RadioSetup, d.image), spaced);
}

TEST(WzParamRequests, EachGroupCarriesOnlyItsBytes) {
    Image im{};
    for (int i = 0; i < int(im.size()); ++i)
        im[i] = std::uint8_t(i);
    EXPECT_EQ(buildParamRequest(ParamRequest::DeviceId, im), envelope({0x00, 0x00, 0x04, 0x21, 0, 1, 2, 3}));
    EXPECT_EQ(buildParamRequest(ParamRequest::RadioId, im), envelope({0x04, 0x04, 0x04, 0x21, 4, 5, 6, 7}));
    EXPECT_EQ(buildParamRequest(ParamRequest::Time, im),
              envelope({0x18, 0x18, 0x08, 0x21, 24, 25, 26, 27, 28, 29, 30, 31}));
    EXPECT_EQ(buildParamRequest(ParamRequest::MeterReading, im),
              envelope({0x2C, 0x2C, 0x04, 0x21, 44, 45, 46, 47}));
    EXPECT_EQ(buildParamRequest(ParamRequest::DueMonth, im), envelope({0x08, 0x08, 0x01, 0x21, 8}));
    EXPECT_EQ(buildParamRequest(ParamRequest::StatusByte, im), envelope({0x12, 0x12, 0x01, 0x21, 18}));
    EXPECT_EQ(buildParamRequest(ParamRequest::ResetErrors, im),
              envelope({0x13, 0x13, 0x02, 0x22, 0x00, 0x00}));
    EXPECT_EQ(buildParamRequest(ParamRequest::Activation, im),
              envelope({0x16, 0x16, 0x02, 0x22, 0xFE, 0x01}));
    EXPECT_EQ(buildParamRequest(ParamRequest::StorageMode, im),
              envelope({0x16, 0x16, 0x02, 0x22, 0x7F, 0x00}));
    EXPECT_EQ(buildParamRequest(ParamRequest::ClearLeak, im), envelope({0x14, 0x14, 0x02, 0x22, 0x7F, 0x00}));
    // Every change sets only bits its mask clears.
    for (const ParamRequestInfo& r : paramRequests()) {
        const Frame f = buildParamRequest(r.request, im);
        if (f[11] == 0x22) {
            EXPECT_EQ(f[13] & f[12], 0) << r.caption;
        }
    }
}

TEST(WzParamRequests, ChainedBitsFollowTheCollectedForm) {
    Collected c;
    c.form.RadioButtonSTJahr = true;
    c.form.RadioButtonSTMon = false;
    ASSERT_TRUE(c.collect());
    // "Sende ST" with "Jahr": 68 08 08 68 53 FE 51 0F 16 16 02 22 CF 20 CS 16.
    const Frame due = buildParamRequest(ParamRequest::DueMode, c.image);
    EXPECT_EQ(due, (Frame{0x68, 0x08, 0x08, 0x68, 0x53, 0xFE, 0x51, 0x0F, 0x16, 0x16, 0x02, 0x22, 0xCF, 0x20,
                          std::uint8_t(0x53 + 0xFE + 0x51 + 0x0F + 0x16 + 0x16 + 0x02 + 0x22 + 0xCF + 0x20),
                          0x16}));
    EXPECT_FALSE(paramRequestInfo(ParamRequest::DueMode).wakeUp);
    c.form.RadioButtonSTJahr = false;
    c.form.RadioButtonSTMon = true;
    ASSERT_TRUE(c.collect());
    EXPECT_EQ(buildParamRequest(ParamRequest::DueMode, c.image)[13], 0x10);

    // S1 always sends the short telegram, even before the collect checked the box; AES as set.
    Collected s1;
    s1.form.RadioButton_Funk_S1 = true;
    s1.form.CheckBoxShortProt = false;
    s1.form.CheckBoxAESenable = true;
    ASSERT_TRUE(s1.collect());
    EXPECT_EQ(buildParamRequest(ParamRequest::ProtocolBits, s1.image),
              envelope({0x14, 0x14, 0x02, 0x22, 0xBB, 0x44}));
    Collected t1;
    t1.form.RadioButton_Funk_S1 = false;
    t1.form.RadioButton_Funk_T1 = true;
    t1.form.CheckBoxShortProt = false;
    ASSERT_TRUE(t1.collect());
    EXPECT_EQ(buildParamRequest(ParamRequest::ProtocolBits, t1.image)[13], 0x00);
    EXPECT_EQ(t1.image[off::StatusWord] & 0xC0, 0x80) << "byte 18 carries T1";
}

TEST(WzParamForm, CollectLeavesTheModulesOwnFieldsAndOptionBits) {
    Collected c;
    c.form.CheckBoxFunk = true;
    c.form.RadioButtonSenden = true; // not a control of this form: never taken
    c.form.EditTS1 = QStringLiteral("99");
    c.form.LabelZyklusNr = QStringLiteral("3");
    c.form.RadioButtonSTJahr = true;
    c.form.CheckBoxAESenable = true;
    setWord(c.image, off::OptionsA, 0x0003);
    ASSERT_TRUE(c.collect());
    EXPECT_EQ(word(c.image, off::OptionsA), oa::AesOn);
    EXPECT_EQ(word(c.image, off::OptionsB), ob::DueYearly | ob::RadioOn);
    EXPECT_EQ(c.image[off::ChipTemp], 118);
    EXPECT_EQ(c.image[off::MaxStandstill], 90);
    EXPECT_EQ(c.image[off::TS1], 42);
    EXPECT_EQ(c.image[off::CycleNumber], 17);
    EXPECT_EQ(dword(c.image, off::DeviceId), 0x40123456u);

    // A key of 33 digits stops the collect before anything changes.
    const Image before = c.image;
    c.form.EditAESKEY = QString(33, u'A');
    EXPECT_FALSE(c.collect());
    EXPECT_EQ(c.image, before);
}

TEST(WzAckChain, ChainsRunOnAcknowledgementsAndAMissingOneWaitsForTheNextButton) {
    AckChain chain;
    chain.started(ParamRequest::RadioSetup);
    EXPECT_EQ(chain.AckStep(), 1);
    EXPECT_EQ(chain.acknowledged(), ParamRequest::StatusByte);
    EXPECT_EQ(chain.acknowledged(), ParamRequest::ProtocolBits);
    EXPECT_EQ(chain.acknowledged(), std::nullopt);
    EXPECT_EQ(chain.AckStep(), 0);
    EXPECT_TRUE(awaitedStepText(chain).isEmpty());

    chain.started(ParamRequest::ResetErrors);
    EXPECT_EQ(chain.acknowledged(), ParamRequest::ClearLeak);
    EXPECT_EQ(chain.acknowledged(), std::nullopt);

    // The acknowledgement of step 1 never comes: the chain stays and says where it stopped.
    chain.started(ParamRequest::RadioSetup);
    EXPECT_EQ(chain.acknowledged(), ParamRequest::StatusByte);
    EXPECT_EQ(chain.AckStep(), 2);
    EXPECT_EQ(awaitedStepText(chain),
              "Sende RF, Schritt 2 von 3 (Byte 18: Sendefenster und Protokoll) nicht bestätigt");
    // Any next button starts from its own step; a plain write is never followed by a stale chain step.
    chain.started(ParamRequest::MeterReading);
    EXPECT_EQ(awaitedStepText(chain), "Sende ZST (Zählerstand) nicht bestätigt");
    EXPECT_EQ(chain.acknowledged(), std::nullopt);
    chain.started(ParamRequest::DueMonth);
    EXPECT_EQ(chain.acknowledged(), ParamRequest::DueMode);
    chain.started(ParamRequest::Activation);
    EXPECT_EQ(chain.acknowledged(), std::nullopt);
}

TEST(WzParamForm, EnergyWarningAndChargePerTelegram) {
    EXPECT_DOUBLE_EQ(ChargePerTelegram(false, false), 0.9);
    EXPECT_DOUBLE_EQ(ChargePerTelegram(true, true), 0.18);
    EXPECT_DOUBLE_EQ(ChargePerTelegram(true, false), 0.46);

    WzForm f;
    f.sendMonths.fill(true);
    f.sendWeeks.fill(true);
    f.sendDays.fill(true);
    f.CSpinEditStart = 0, f.CSpinEditStop = 24, f.CSpinEditZZ = 2;
    EXPECT_TRUE(energyExceeded(f, ChargePerTelegram(true, true)));
    // The factory schedule (weekdays 7 to 19 h every 120 s, S1) stays well inside the 600 mAh.
    f.sendDays = {true, true, true, true, true, false, false};
    f.CSpinEditStart = 7, f.CSpinEditStop = 19, f.CSpinEditZZ = 120;
    EXPECT_FALSE(energyExceeded(f, ChargePerTelegram(false, true)));
}

TEST(WzParamForm, VariantsRoundTripAndAMissingSectionClearsTheMask) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("QUELMAR/KVQ/RadiovariantenFAM.ini");
    WzForm f;
    f.sendMonths[2] = f.sendWeeks[0] = f.sendDays[4] = true;
    f.RadioButton_Funk_S1 = false, f.RadioButton_Funk_T1 = true;
    f.CheckBoxAESenable = true;
    f.CSpinEditStart = 7, f.CSpinEditStop = 18, f.CSpinEditZZ = 6, f.CSpinEditV = 3;
    const std::array<QString, 4> texts{"a", "T1 werktags", "c", "d"};
    ASSERT_TRUE(variants::saveVariant(path, 2, variantFromForm(f, texts[1]), texts).ok());

    WzForm g;
    applyVariant(g, variants::loadVariant(path, 2).value());
    EXPECT_EQ(g.sendMonths, f.sendMonths);
    EXPECT_EQ(g.sendWeeks, f.sendWeeks);
    EXPECT_EQ(g.sendDays, f.sendDays);
    EXPECT_TRUE(g.RadioButton_Funk_T1 && !g.RadioButton_Funk_S1 && g.CheckBoxAESenable);
    EXPECT_EQ(std::tie(g.CSpinEditStart, g.CSpinEditStop, g.CSpinEditZZ, g.CSpinEditV),
              std::tie(f.CSpinEditStart, f.CSpinEditStop, f.CSpinEditZZ, f.CSpinEditV));
    EXPECT_EQ(variants::loadDescriptions(path)->at(1), "T1 werktags");

    // Section 4 was never saved: everything off, the times 0 held within their ranges.
    applyVariant(g, variants::loadVariant(path, 4).value());
    EXPECT_EQ(std::count(g.sendMonths.begin(), g.sendMonths.end(), true), 0);
    EXPECT_EQ(std::count(g.sendWeeks.begin(), g.sendWeeks.end(), true), 0);
    EXPECT_EQ(std::count(g.sendDays.begin(), g.sendDays.end(), true), 0);
    EXPECT_FALSE(g.RadioButton_Funk_S1 || g.RadioButton_Funk_T1 || g.CheckBoxAESenable);
    EXPECT_EQ(g.CSpinEditStart, 0);
    EXPECT_EQ(g.CSpinEditStop, 1);
    EXPECT_EQ(g.CSpinEditZZ, 2);
    EXPECT_EQ(g.CSpinEditV, 1);
}
