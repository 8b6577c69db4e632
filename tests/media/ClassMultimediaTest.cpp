// ClassMultimedia: the command strings it sends, how it reads the replies, its error
// policy, and the real interpreter behind it on files made here.
#include "../platform/media/MediaFixtures.h"
#include "media/ClassMultimedia.h"
#include "media/MediaError.h"
#include "platform/Clock.h"
#include "platform/ErrorRecord.h"
#include "platform/media/AudioOutput.h"
#include "platform/media/MediaControl.h"
#include "platform/media/WaveFile.h"
#include "platform/media/WaveSound.h"
#include "resources/sounds/SoundResources.h"

#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <thread>

namespace gb {
namespace {

using namespace gb::testing;

// Records the commands and answers them with replies set by the test.
class RecordingSender {
public:
    RecordingSender() {
        SetMediaCommandSender([this](const std::string& command, std::string& reply) {
            sent.push_back(command);
            auto found = replies.find(command);
            reply = found == replies.end() ? std::string() : found->second;
            return failing ? 263u : 0u;
        });
    }
    ~RecordingSender() { SetMediaCommandSender(nullptr); }

    std::vector<std::string> sent;
    std::map<std::string, std::string> replies;
    bool failing = false;
};

TEST(ClassMultimedia, SendsTheCommandStrings) {
    struct Case {
        const char* what;
        std::function<void(ClassMultimedia&)> call;
        std::vector<std::string> sent;
    } cases[] = {
        {"Load a file", [](auto& m) { m.Load(6, "Song", "/music/a b.mp3"); }, {"OPEN \"/music/a b.mp3\" TYPE MPEGVIDEO ALIAS Song"}},
        {"Load a wave file", [](auto& m) { m.Load(0, "S", "/a.wav"); }, {"OPEN \"/a.wav\" TYPE WAVEAUDIO ALIAS S"}},
        {"Load a device", [](auto& m) { m.Load(2, "cd", ""); }, {"OPEN CDAUDIO ALIAS cd"}},
        {"Load an unknown type", [](auto& m) { m.Load(7, "x", "/a.mid"); }, {"OPEN \"/a.mid\" TYPE ALIAS x"}},
        {"Unload", [](auto& m) { m.Unload("Song"); }, {"CLOSE Song"}},
        {"Save", [](auto& m) { m.Save("w", "/r.wav"); }, {"SAVE w \"/r.wav\""}},
        {"Play", [](auto& m) { m.Play("Song", "", ""); }, {"PLAY Song"}},
        {"Play to", [](auto& m) { m.Play("Song", "", "900"); }, {"PLAY Song TO 900"}},
        {"Play from to", [](auto& m) { m.Play("Song", "10", "900"); }, {"PLAY Song FROM 10 TO 900"}},
        {"Record insert", [](auto& m) { m.Record("w", 0, "0", ""); }, {"RECORD w FROM 0 INSERT"}},
        {"Record overwrite", [](auto& m) { m.Record("w", 1, "", "50"); }, {"RECORD w TO 50 OVERWRITE"}},
        {"Record other", [](auto& m) { m.Record("w", 2, "", ""); }, {"RECORD w"}},
        {"Break", [](auto& m) { m.Break("Song"); }, {"STOP Song"}},
        {"Pause 0", [](auto& m) { m.Pause("Song", 0); }, {"PAUSE Song"}},
        {"Pause 1", [](auto& m) { m.Pause("Song", 1); }, {"RESUME Song"}},
        {"Pause 2", [](auto& m) { m.Pause("Song", 2); }, {}},
        {"Jump", [](auto& m) { m.Jump("Song", "0"); }, {"SEEK Song TO 0"}},
        {"Format 4", [](auto& m) { m.Format("s", 4); }, {"SET s TIME FORMAT SONG POINTER"}},
        {"Format 6", [](auto& m) { m.Format("s", 6); }, {}},
        {"Format 9", [](auto& m) { m.Format("s", 9); }, {"SET s TIME FORMAT"}},
        {"Eject 0", [](auto& m) { m.Eject("cd", 0); }, {"SET cd DOOR OPEN"}},
        {"Eject 1", [](auto& m) { m.Eject("cd", 1); }, {"SET cd DOOR CLOSED"}},
        {"Eject 2", [](auto& m) { m.Eject("cd", 2); }, {"SET cd"}},
        {"Channel 2", [](auto& m) { m.Channel("w", 2); }, {"SET w CHANNELS 2"}},
        {"Channel 3", [](auto& m) { m.Channel("w", 3); }, {"SET w CHANNELS"}},
        {"Bit", [](auto& m) { m.Bit("w", 16); }, {"SET w BITSPERSAMPLE 16"}},
        {"Hertz", [](auto& m) { m.Hertz("w", 22050); }, {"SET w BYTESPERSEC 22050"}},
        {"Handle", [](auto& m) { m.Handle("v", 4711); }, {"WINDOW v HANDLE 4711"}},
        {"Track", [](auto& m) { m.Track("cd", 3); }, {"STATUS cd POSITION TRACK 3", "SEEK cd TO 01:00:00"}},
        {"Zoom 150", [](auto& m) { m.Zoom("v", 150); },
         {"WHERE v DESTINATION", "WHERE v DESTINATION", "PUT v DESTINATION AT 0 0 480 360"}},
    };
    for (const Case& c : cases) {
        RecordingSender sender;
        sender.replies["STATUS cd POSITION TRACK 3"] = "01:00:00";
        sender.replies["WHERE v DESTINATION"] = "0 0 320 240";
        ClassMultimedia media;
        media.Exception = 3;
        c.call(media);
        EXPECT_EQ(sender.sent, c.sent) << c.what;
    }
}

TEST(ClassMultimedia, ZoomWritesSinglePrecisionInShortestForm) {
    EXPECT_EQ(ZoomedSize(150, 320), "480");
    EXPECT_EQ(ZoomedSize(33, 320), "105.6");
    EXPECT_EQ(ZoomedSize(100, 240), "240");
    EXPECT_EQ(ZoomedSize(-50, 240), "-120");
    EXPECT_EQ(ZoomedSize(32767, 32767), "10736760"); // 10736763 to seven digits, no exponent
}

TEST(ClassMultimedia, ReadsTheReplies) {
    RecordingSender sender;
    ClassMultimedia media;
    media.Exception = 3;
    auto reply = [&](const std::string& command, const std::string& text) { sender.replies[command] = text; };

    for (auto [text, expected] : std::vector<std::pair<const char*, bool>>{
             {"true", true}, {"TRUE", true}, {"True", true}, {"FALSE", false}, {"", false}, {"yes", false}}) {
        reply("CAPABILITY a HAS AUDIO", text);
        reply("CAPABILITY a HAS VIDEO", text);
        reply("STATUS a MEDIA PRESENT", text);
        EXPECT_EQ(media.HasAudio("a"), expected) << text;
        EXPECT_EQ(media.HasVideo("a"), expected) << text;
        EXPECT_EQ(media.IsReady("a"), expected) << text;
    }
    for (auto [text, expected] : std::vector<std::pair<const char*, int>>{
             {"playing", 0}, {"PAUSED", 1}, {"stopped", 2}, {"seeking", 0}, {"not ready", 0}, {"open", 0}, {"", 0}}) {
        reply("STATUS a MODE", text);
        EXPECT_EQ(media.Status("a"), expected) << text;
    }
    for (auto [text, expected] : std::vector<std::pair<const char*, int>>{
             {"ms", 0}, {"milliseconds", 1}, {"MSF", 2}, {"tmsf", 3}, {"song pointer", 4}, {"frames", 5}, {"bytes", 6}, {"", 6}}) {
        reply("STATUS a TIME FORMAT", text);
        EXPECT_EQ(media.Format("a"), expected) << text;
    }
    for (auto [text, expected] : std::vector<std::pair<const char*, int>>{{"1", 1}, {"2", 2}, {"3", 0}, {"", 0}, {" 2", 0}}) {
        reply("STATUS a CHANNELS", text);
        EXPECT_EQ(media.Channel("a"), expected) << text;
    }
    reply("STATUS a CURRENT TRACK", "3");
    reply("STATUS a NUMBER OF TRACKS", " 12 ");
    reply("STATUS a BITSPERSAMPLE", "16");
    reply("STATUS a BYTESPERSEC", "176400");
    reply("STATUS a LENGTH", "5000");
    reply("STATUS a POSITION", "1200");
    reply("INFO a PRODUCT", "Wave");
    reply("WHERE a DESTINATION", "10 20 320 240");
    EXPECT_EQ(media.Track("a"), 3);
    EXPECT_EQ(media.Tracks("a"), 12);
    EXPECT_EQ(media.Bit("a"), 16);
    EXPECT_EQ(media.Hertz("a"), 176400);
    EXPECT_EQ(media.Length("a"), "5000");
    EXPECT_EQ(media.Current("a"), "1200");
    EXPECT_EQ(media.Title("a"), "Wave");
    EXPECT_EQ(media.X("a"), 320);
    EXPECT_EQ(media.Y("a"), 240);
}

TEST(ClassMultimedia, NumericReadersRaiseConversionErrors) {
    RecordingSender sender;
    ClassMultimedia media;
    media.Exception = 3;
    struct Case {
        const char* command;
        const char* reply;
        std::function<void(ClassMultimedia&)> read;
        long error;
    } cases[] = {
        {"STATUS a CURRENT TRACK", "", [](auto& m) { m.Track("a"); }, kTypeMismatchError},
        {"STATUS a CURRENT TRACK", "abc", [](auto& m) { m.Track("a"); }, kTypeMismatchError},
        {"STATUS a NUMBER OF TRACKS", "70000", [](auto& m) { m.Tracks("a"); }, kOverflowError},
        {"STATUS a BITSPERSAMPLE", "256", [](auto& m) { m.Bit("a"); }, kOverflowError},
        {"STATUS a BITSPERSAMPLE", "-1", [](auto& m) { m.Bit("a"); }, kOverflowError},
        {"STATUS a BYTESPERSEC", "3000000000", [](auto& m) { m.Hertz("a"); }, kOverflowError},
        {"WHERE a DESTINATION", "0 0 320", [](auto& m) { m.X("a"); }, kInvalidArgumentError},
        {"WHERE a DESTINATION", "", [](auto& m) { m.Y("a"); }, kInvalidArgumentError},
        {"WHERE a DESTINATION", "0 0 x 240", [](auto& m) { m.X("a"); }, kTypeMismatchError},
    };
    for (const Case& c : cases) {
        sender.replies[c.command] = c.reply;
        try {
            c.read(media);
            ADD_FAILURE() << c.command << " \"" << c.reply << "\" raised nothing";
        } catch (const MediaError& e) {
            EXPECT_EQ(e.Number(), c.error) << c.command << " \"" << c.reply << "\"";
            EXPECT_EQ(Err().Number, c.error);
        }
    }
}

TEST(ClassMultimedia, ErrorPolicyOneRaisesTheCodeAndItsText) {
    ClassMultimedia media;
    media.Exception = 1;
    Err().Raise(99, "an older error");
    try {
        media.Load(0, "x", "/no/such/file.wav");
        FAIL() << "no error raised";
    } catch (const MediaError& e) {
        std::string text;
        ASSERT_TRUE(MciGetErrorString(MCIERR_FILE_NOT_FOUND, text));
        EXPECT_EQ(e.Number(), MCIERR_FILE_NOT_FOUND);
        EXPECT_EQ(e.what(), text);
        EXPECT_EQ(Err().Number, MCIERR_FILE_NOT_FOUND);
        EXPECT_EQ(Err().Description, text);
    }
}

TEST(ClassMultimedia, ErrorPoliciesTwoAndThreeIgnoreTheFailure) {
    for (int policy : {2, 3}) {
        ClassMultimedia media;
        media.Exception = policy;
        EXPECT_NO_THROW(media.Unload("NeverOpened"));
        EXPECT_EQ(media.Status("NeverOpened"), 0); // the empty reply reads as 0
        EXPECT_THROW(media.Tracks("NeverOpened"), MediaError); // ... and as no number
    }
}

TEST(ClassMultimediaDeathTest, AnyOtherPolicyEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int policy : {0, 4, -1}) {
        EXPECT_EXIT(
            {
                ClassMultimedia media;
                media.Exception = policy;
                media.Unload("NeverOpened");
            },
            ::testing::ExitedWithCode(EXIT_FAILURE), "")
            << policy;
    }
}

class ClassMultimediaFiles : public ::testing::Test {
protected:
    void SetUp() override { SetAudioOutput(AudioOutput::Fake); }
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
    QTemporaryDir dir_;
};

TEST_F(ClassMultimediaFiles, PlaysMusicAsTheSlideshowDoes) {
    std::string wav = WriteFile(Path("music.wav"), ToneWave(250));
    ClassMultimedia media;
    media.Exception = 3;
    media.Load(0, "Song", wav);
    EXPECT_EQ(media.Status("Song"), ModeStopped);
    EXPECT_EQ(media.Length("Song"), "250");
    EXPECT_EQ(media.Format("Song"), FormatMilliseconds);
    EXPECT_TRUE(media.HasAudio("Song"));
    EXPECT_FALSE(media.HasVideo("Song"));
    EXPECT_EQ(media.Channel("Song"), 1);
    EXPECT_EQ(media.Bit("Song"), 16);
    EXPECT_EQ(media.Hertz("Song"), 16000);
    EXPECT_EQ(media.Tracks("Song"), 1);
    media.Play("Song");
    EXPECT_EQ(media.Status("Song"), ModePlaying);
    media.Pause("Song", 0);
    EXPECT_EQ(media.Status("Song"), ModePaused);
    media.Pause("Song", 2);
    EXPECT_EQ(media.Status("Song"), ModePaused);
    media.Pause("Song", 1);
    EXPECT_EQ(media.Status("Song"), ModePlaying);
    for (int i = 0; i < 500 && media.Status("Song") != ModeStopped; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(media.Status("Song"), ModeStopped);
    EXPECT_EQ(media.Current("Song"), "250");
    media.Jump("Song", "0");
    media.Play("Song");
    EXPECT_EQ(media.Status("Song"), ModePlaying);
    media.Break("Song");
    media.Unload("Song");
    EXPECT_EQ(media.Status("Song"), 0); // closed: the failed STATUS is ignored
}

TEST_F(ClassMultimediaFiles, AlbumWithoutMusicOpensItsFolderAndFailsSilently) {
    ClassMultimedia media;
    media.Exception = 3;
    media.Load(6, "Song", dir_.path().toStdString());
    media.Play("Song");
    EXPECT_EQ(media.Status("Song"), 0);
    EXPECT_EQ(MciGetDeviceID("Song"), 0);
}

TEST_F(ClassMultimediaFiles, SoundFromResourceReturnsAfterTheSound) {
    ClassMultimedia media;
    media.SoundFromResource(1, "SOUND", 0);
    EXPECT_FALSE(IsWaveSoundPlaying());
    media.SoundFromResource(1, "sound", 1); // asynchronous
    EXPECT_TRUE(IsWaveSoundPlaying());
    media.Mute();
    EXPECT_FALSE(IsWaveSoundPlaying());
    media.SoundFromResource(4, "SOUND", 1); // no such resource: nothing plays
    media.SoundFromResource(1, "WAVE", 1);
    EXPECT_FALSE(IsWaveSoundPlaying());
}

TEST(SoundResources, TheThreeSoundsAreShortWaves) {
    for (int id : {1, 2, 3}) {
        auto wave = ParseWave(SoundResource(id));
        ASSERT_TRUE(wave) << id;
        EXPECT_EQ(wave->format.formatTag, 1);
        double seconds = static_cast<double>(wave->data.size()) / wave->format.bytesPerSec;
        EXPECT_GT(seconds, 0.1) << id;
        EXPECT_LT(seconds, 2.0) << id;
    }
    EXPECT_TRUE(SoundResource(0).empty());
    EXPECT_TRUE(SoundResource(4).empty());
}

TEST_F(ClassMultimediaFiles, SoundPlaysAFileUntilMuted) {
    std::string wav = WriteFile(Path("effect.wav"), ToneWave(200));
    ClassMultimedia media;
    media.Sound(wav, SND_ASYNC | SND_LOOP);
    EXPECT_TRUE(IsWaveSoundPlaying());
    media.Mute();
    EXPECT_FALSE(IsWaveSoundPlaying());
}

TEST(ClassMultimediaClock, WaitLetsTheTimePassOnTheClock) {
    ScopedVirtualClock clock;
    ClassMultimedia media;
    uint32_t start = media.Timer();
    EXPECT_EQ(start, clock.Milliseconds());
    media.Wait(250);
    EXPECT_GE(media.Timer() - start, 250u);
    EXPECT_EQ(std::accumulate(clock.Sleeps().begin(), clock.Sleeps().end(), 0u), 250u);
    clock.ClearSleeps();
    media.Wait(-40); // waits |Milliseconds|
    EXPECT_EQ(std::accumulate(clock.Sleeps().begin(), clock.Sleeps().end(), 0u), 40u);
    clock.ClearSleeps();
    try {
        media.Wait(0);
        ADD_FAILURE() << "Wait(0) raised nothing";
    } catch (const MediaError& e) {
        EXPECT_EQ(e.Number(), kDivisionByZeroError);
    }
    EXPECT_TRUE(clock.Sleeps().empty());
}

TEST(ClassMultimediaMidi, StrikeKeyboardPlaysOnTheOpenedOutput) {
    SetAudioOutput(AudioOutput::Fake);
    ClassMultimedia media;
    media.StrikeKeyboard(60, 24, 100); // nothing open: no effect
    try {
        media.MidiMapper(0, 5);
        ADD_FAILURE() << "no error for device 5";
    } catch (const MediaError& e) {
        EXPECT_EQ(e.Number(), kObjectError);
    }
    if (MidiOutGetNumDevs() == 0) GTEST_SKIP() << "no General MIDI sound font";
    media.MidiMapper(0, -1); // the mapper
    ASSERT_NE(media.MidiHandle(), 0u);
    media.StrikeKeyboard(60, 24, 100);
    EXPECT_EQ(MidiOutProgram(media.MidiHandle(), 0), 24);
    EXPECT_GT(MidiOutActiveVoices(media.MidiHandle()), 0);
    MidiOutHandle first = media.MidiHandle();
    media.MidiMapper(0, 0);
    EXPECT_EQ(MidiOutProgram(first, 0), -1); // the first output was closed, not lost
    media.MidiMapper(1, 0);
    EXPECT_EQ(media.MidiHandle(), 0u);
    media.MidiMapper(2, 0); // nothing
}

} // namespace
} // namespace gb
