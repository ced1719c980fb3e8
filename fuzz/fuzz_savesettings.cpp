// The data-save settings file as found on disk: any bytes, any line ends, any length. What
// was read is written back and read again unchanged (a file the dialog saves must not drift).
#include "FuzzFile.h"
#include "logging/SaveSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const SaveSettings s = LoadSaveSettings(WriteFuzzFile(data, size));
    (void)s.enabled();
    (void)s.intervalSeconds();
    (void)LabelsOf(s);

    const QString again = FuzzFolder().filePath(QStringLiteral("again.INI"));
    FUZZ_EXPECT(WriteSaveSettings(again, s));
    const SaveSettings back = LoadSaveSettings(again);
    FUZZ_EXPECT(back.gDSaveInterval == s.gDSaveInterval && back.gDSaveDaily == s.gDSaveDaily &&
                back.gDSaveDayHour == s.gDSaveDayHour && back.gDSaveDayMinute == s.gDSaveDayMinute);
    const QChar replaced(QChar::ReplacementCharacter);
    for (const auto& [was, now] :
         {std::pair{s.gDSaveOn, back.gDSaveOn}, std::pair{s.gDSaveUnit, back.gDSaveUnit},
          std::pair{s.gDSaveFolder, back.gDSaveFolder}, std::pair{s.gDSaveName, back.gDSaveName}})
        FUZZ_EXPECT(was.contains(replaced) || was == now);
    return 0;
}
