// The media-control interpreter run on real files made here, with the fake audio
// output (real time, no sound).
#include "MediaFixtures.h"
#include "platform/media/AudioOutput.h"
#include "platform/media/MediaControl.h"

#include <QTemporaryDir>
#include <QWidget>
#include "platform/WindowHandle.h"
#include <chrono>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <thread>

namespace gb {
namespace {

using namespace gb::testing;

// Runs a GStreamer pipeline to its end (the tests make their MP3 and MPEG files so).
bool RunPipeline(const std::string& description) {
    GstElement* pipeline = gst_parse_launch(description.c_str(), nullptr);
    if (!pipeline) return false;
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* done = gst_bus_timed_pop_filtered(bus, 20 * GST_SECOND,
                                                  static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    bool ended = done && GST_MESSAGE_TYPE(done) == GST_MESSAGE_EOS;
    if (done) gst_message_unref(done);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ended;
}

class MediaControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAudioOutput(AudioOutput::Fake);
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override { Send("close all"); }

    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // The reply of `command`; its error code goes to `error_`.
    std::string Send(const std::string& command) {
        std::string reply;
        error_ = MciSendString(command, reply);
        return reply;
    }
    uint32_t Error(const std::string& command) {
        Send(command);
        return error_;
    }
    // Polls the mode until it is `mode` or five seconds have passed (the end of a short
    // file in real time).
    std::string WaitForMode(const std::string& alias, const std::string& mode) {
        std::string now;
        for (int i = 0; i < 500; ++i) {
            now = Send("status " + alias + " mode");
            if (now == mode) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return now;
    }

    QTemporaryDir dir_;
    uint32_t error_ = 0;
};

TEST_F(MediaControlTest, WaveTransportFollowsTheModes) {
    std::string wav = WriteFile(Path("tone.wav"), ToneWave(300));
    EXPECT_EQ(Send("OPEN \"" + wav + "\" TYPE WAVEAUDIO ALIAS Song"), "1");
    ASSERT_EQ(error_, 0u);
    EXPECT_EQ(Send("status song mode"), "stopped");
    EXPECT_EQ(Send("STATUS Song LENGTH"), "300");
    EXPECT_EQ(Send("status Song time format"), "milliseconds");
    EXPECT_EQ(Send("status Song media present"), "true");

    Send("play song");
    EXPECT_EQ(Send("status song mode"), "playing");
    Send("pause song");
    EXPECT_EQ(Send("status song mode"), "paused");
    std::string held = Send("status song position");
    EXPECT_EQ(Send("status song position"), held);
    Send("resume song");
    EXPECT_EQ(Send("status song mode"), "playing");
    EXPECT_EQ(WaitForMode("song", "stopped"), "stopped");
    EXPECT_EQ(Send("status song position"), "300");

    // What the slideshow does to loop its music: seek to 0 and play again.
    Send("seek Song to 0");
    EXPECT_EQ(Send("status song position"), "0");
    Send("play Song");
    EXPECT_EQ(Send("status song mode"), "playing");
    Send("stop song");
    EXPECT_EQ(Send("status song mode"), "stopped");
    EXPECT_EQ(Error("close Song"), 0u);
    EXPECT_EQ(Error("status Song mode"), MCIERR_INVALID_DEVICE_NAME);
}

// The desktop's own output: a real device when there is one, otherwise the fake sink
// the layer falls back to. Either way the play takes its time and ends.
TEST_F(MediaControlTest, AutomaticOutputPlaysWithOrWithoutAnAudioDevice) {
    SetAudioOutput(AudioOutput::Automatic);
    std::string wav = WriteFile(Path("tone.wav"), ToneWave(120));
    ASSERT_EQ(Error("open \"" + wav + "\" type waveaudio alias a"), 0u);
    EXPECT_EQ(Error("play a wait"), 0u);
    EXPECT_EQ(Send("status a mode"), "stopped");
    EXPECT_EQ(Send("status a position"), "120");
    SetAudioOutput(AudioOutput::Fake);
}

TEST_F(MediaControlTest, PlayToStopsThereAndPlayFromAtTheEndEndsAtOnce) {
    std::string wav = WriteFile(Path("tone.wav"), ToneWave(400));
    Send("open \"" + wav + "\" type waveaudio alias a");
    Send("play a from 100 to 200");
    EXPECT_EQ(WaitForMode("a", "stopped"), "stopped");
    EXPECT_EQ(Send("status a position"), "200");
    EXPECT_EQ(Error("play a to 150"), MCIERR_OUTOFRANGE); // from 200 to 150
    EXPECT_EQ(Error("play a from 400"), 0u);
    EXPECT_EQ(Send("status a mode"), "stopped");
    EXPECT_EQ(Error("play a from 401"), MCIERR_OUTOFRANGE);
}

TEST_F(MediaControlTest, TimeFormatsOfAWaveDevice) {
    std::string wav = WriteFile(Path("tone.wav"), ToneWave(500, 8000));
    Send("open \"" + wav + "\" type waveaudio alias a");
    struct Case {
        const char* format;
        const char* reply;
        const char* length;
    } cases[] = {
        {"bytes", "bytes", "8000"},
        {"samples", "samples", "4000"},
        {"MS", "milliseconds", "500"},
        {"milliseconds", "milliseconds", "500"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Error(std::string("set a time format ") + c.format), 0u) << c.format;
        EXPECT_EQ(Send("status a time format"), c.reply);
        EXPECT_EQ(Send("status a length"), c.length) << c.format;
    }
    EXPECT_EQ(Error("set a time format bytes"), 0u);
    EXPECT_EQ(Error("seek a to 4000"), 0u);
    EXPECT_EQ(Send("status a position"), "4000");
    for (const char* format : {"song pointer", "msf", "tmsf", "frames", "furlongs"})
        EXPECT_EQ(Error(std::string("set a time format ") + format), MCIERR_BAD_TIME_FORMAT) << format;
    EXPECT_EQ(Send("status a time format"), "bytes"); // a refused format changes nothing
}

TEST_F(MediaControlTest, WaveFormatIsReadFromTheFileAndSetForRecording) {
    std::string wav = WriteFile(Path("stereo.wav"), ToneWave(100, 22050, 2));
    Send("open \"" + wav + "\" type waveaudio alias a");
    EXPECT_EQ(Send("status a channels"), "2");
    EXPECT_EQ(Send("status a bitspersample"), "16");
    EXPECT_EQ(Send("status a bytespersec"), "88200");
    EXPECT_EQ(Send("status a samplespersec"), "22050");
    EXPECT_EQ(Error("set a channels 1"), 0u);
    EXPECT_EQ(Send("status a channels"), "1");
    EXPECT_EQ(Error("set a channels 3"), MCIERR_OUTOFRANGE);
    EXPECT_EQ(Error("set a channels"), MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(Error("set a bitspersample 8"), 0u);
    EXPECT_EQ(Send("status a bitspersample"), "8");
    EXPECT_EQ(Error("set a bytespersec 11025"), 0u);
    EXPECT_EQ(Send("status a bytespersec"), "11025");
    EXPECT_EQ(Error("set a bytespersec x"), MCIERR_BAD_INTEGER);
    EXPECT_EQ(Error("set a door open"), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(Error("set a door closed"), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(Error("set a"), MCIERR_MISSING_PARAMETER);
}

TEST_F(MediaControlTest, InformationAndCapabilities) {
    std::string wav = WriteFile(Path("tone.wav"), ToneWave(100));
    Send("open \"" + wav + "\" type waveaudio alias a");
    EXPECT_FALSE(Send("info a product").empty());
    EXPECT_EQ(Send("info a file"), wav);
    EXPECT_EQ(Send("capability a has audio"), "true");
    EXPECT_EQ(Send("capability a has video"), "false");
    EXPECT_EQ(Send("capability a can record"), "true");
    EXPECT_EQ(Send("status a number of tracks"), "1");
    EXPECT_EQ(Send("status a current track"), "1");
    EXPECT_EQ(Send("status a position track 1"), "0");
    EXPECT_EQ(Error("status a position track 2"), MCIERR_OUTOFRANGE);
    EXPECT_EQ(Error("where a destination"), MCIERR_UNRECOGNIZED_COMMAND);
    EXPECT_EQ(Error("window a handle 5"), MCIERR_UNRECOGNIZED_COMMAND);
}

TEST_F(MediaControlTest, BadCommandsAndFilesFailWithTheirCodes) {
    WriteFile(Path("text.wav"), "this is no wave file");
    WriteFile(Path("noise.mp3"), std::string(4000, '\x5A'));
    WriteFile(Path("tone.wav"), ToneWave(100));
    struct Case {
        std::string command;
        uint32_t error;
    } cases[] = {
        {"", MCIERR_MISSING_COMMAND_STRING},
        {"frobnicate a", MCIERR_UNRECOGNIZED_COMMAND},
        {"play", MCIERR_MISSING_DEVICE_NAME},
        {"close nothing", MCIERR_INVALID_DEVICE_NAME},
        {"open cdaudio alias cd", MCIERR_DEVICE_NOT_INSTALLED},
        {"OPEN AVIVIDEO ALIAS v", MCIERR_DEVICE_NOT_INSTALLED},
        {"open overlay alias o", MCIERR_DEVICE_NOT_INSTALLED},
        {"open toaster alias t", MCIERR_EXTENSION_NOT_FOUND},
        {"open \"" + Path("tone.wav") + "\" type toaster alias t", MCIERR_INVALID_DEVICE_NAME},
        {"open ALIAS Song", MCIERR_UNRECOGNIZED_KEYWORD}, // a media type without a device word
        {"open \"" + Path("missing.wav") + "\" type waveaudio alias m", MCIERR_FILE_NOT_FOUND},
        {"open \"" + Path("text.wav") + "\" type waveaudio alias t", MCIERR_INVALID_FILE},
        {"open \"" + Path("noise.mp3") + "\" type mpegvideo alias n", MCIERR_INVALID_FILE},
        {"open \"" + Path("tone.wav") + "\" type sequencer alias s", MCIERR_INVALID_FILE},
        {"open \"" + Path("tone.wav"), MCIERR_NO_CLOSING_QUOTE},
        {"open \"" + Path("tone.wav") + "\"x type waveaudio", MCIERR_EXTRA_CHARACTERS},
        {"open \"" + Path("tone.wav") + "\" type waveaudio alias a shiny", MCIERR_UNRECOGNIZED_KEYWORD},
    };
    for (const Case& c : cases) EXPECT_EQ(Error(c.command), c.error) << c.command;

    Send("open \"" + Path("tone.wav") + "\" type waveaudio alias a");
    struct Case2 {
        const char* command;
        uint32_t error;
    } onDevice[] = {
        {"open new type waveaudio alias a", MCIERR_DUPLICATE_ALIAS},
        {"status a", MCIERR_MISSING_PARAMETER},
        {"status a colour", MCIERR_UNRECOGNIZED_KEYWORD},
        {"play a from", MCIERR_MISSING_PARAMETER},
        {"play a from x", MCIERR_BAD_INTEGER},
        {"play a from -5", MCIERR_BAD_INTEGER},
        {"play a from 99999", MCIERR_OUTOFRANGE},
        {"seek a", MCIERR_MISSING_PARAMETER},
        {"seek a to 100000", MCIERR_OUTOFRANGE},
        {"pause all", MCIERR_CANNOT_USE_ALL},
        {"PLAY A WAIT", MCIERR_NONE},
        {"seek a to start", MCIERR_NONE},
        {"seek a to end", MCIERR_NONE},
    };
    for (const Case2& c : onDevice) EXPECT_EQ(Error(c.command), c.error) << c.command;
}

TEST_F(MediaControlTest, EveryErrorCodeHasAText) {
    std::string text;
    for (uint32_t code : {MCIERR_INVALID_DEVICE_NAME, MCIERR_FILE_NOT_FOUND, MCIERR_DEVICE_NOT_INSTALLED,
                          MCIERR_INVALID_FILE, MCIERR_BAD_TIME_FORMAT, MCIERR_PARAM_OVERFLOW}) {
        EXPECT_TRUE(MciGetErrorString(code, text)) << code;
        EXPECT_FALSE(text.empty()) << code;
    }
    EXPECT_FALSE(MciGetErrorString(0, text));
    EXPECT_FALSE(MciGetErrorString(12345, text));
    EXPECT_TRUE(text.empty());
}

TEST_F(MediaControlTest, MidiPlaysThroughTheSequencer) {
    std::string mid = WriteFile(Path("tiny.mid"), TinyMidi(1));
    ASSERT_EQ(Error("open \"" + mid + "\" type sequencer alias m"), 0u);
    EXPECT_EQ(Send("status m length"), "500");
    EXPECT_EQ(Error("set m time format song pointer"), 0u);
    EXPECT_EQ(Send("status m length"), "4"); // one quarter note is four sixteenths
    EXPECT_EQ(Error("set m time format bytes"), MCIERR_BAD_TIME_FORMAT);
    EXPECT_EQ(Error("set m channels 2"), MCIERR_UNRECOGNIZED_KEYWORD);
    Send("set m time format ms");
    Send("play m from 300");
    EXPECT_EQ(Send("status m mode"), "playing");
    EXPECT_EQ(WaitForMode("m", "stopped"), "stopped");
    EXPECT_EQ(Send("status m position"), "500");
}

TEST_F(MediaControlTest, RiffMidiFileOpensToo) {
    std::string smf = TinyMidi(1);
    std::string rmi = "RIFF";
    uint32_t size = static_cast<uint32_t>(4 + 8 + smf.size());
    for (int i = 0; i < 4; ++i) rmi.push_back(static_cast<char>(size >> (8 * i)));
    rmi += "RMIDdata";
    for (int i = 0; i < 4; ++i) rmi.push_back(static_cast<char>(smf.size() >> (8 * i)));
    rmi += smf;
    std::string path = WriteFile(Path("tiny.rmi"), rmi);
    ASSERT_EQ(Error("open \"" + path + "\" alias r"), 0u); // the type from the extension
    EXPECT_EQ(Send("status r length"), "500");
}

// An MP3 made with GStreamer's encoder, when the machine has one.
TEST_F(MediaControlTest, Mp3PlaysThroughMpegVideo) {
    gst_init(nullptr, nullptr);
    GstElementFactory* encoder = gst_element_factory_find("lamemp3enc");
    if (!encoder) GTEST_SKIP() << "no MP3 encoder";
    gst_object_unref(encoder);
    std::string mp3 = Path("tone.mp3");
    std::string description =
        "audiotestsrc num-buffers=25 samplesperbuffer=1764 ! audio/x-raw,rate=44100,channels=1 ! lamemp3enc ! "
        "filesink location=\"" + mp3 + "\"";
    ASSERT_TRUE(RunPipeline(description));

    ASSERT_EQ(Error("open \"" + mp3 + "\" type MPEGVIDEO alias Song"), 0u);
    int length = std::stoi(Send("status Song length"));
    EXPECT_NEAR(length, 1000, 60); // 25 × 40 ms, give or take the encoder's padding
    EXPECT_EQ(Send("capability Song has audio"), "true");
    EXPECT_EQ(Send("capability Song has video"), "false");
    EXPECT_EQ(Error("where Song destination"), MCIERR_NO_WINDOW);
    Send("play Song from 900");
    EXPECT_EQ(Send("status Song mode"), "playing");
    EXPECT_EQ(WaitForMode("Song", "stopped"), "stopped");
}

// An MPEG video made with GStreamer's encoder, when the machine has one: its pictures
// go to a window of the device's own, or into the window the caller names.
TEST_F(MediaControlTest, MpegVideoShowsItsPicturesWhereAsked) {
    gst_init(nullptr, nullptr);
    GstElementFactory* encoder = gst_element_factory_find("mpeg2enc");
    if (!encoder) GTEST_SKIP() << "no MPEG video encoder";
    gst_object_unref(encoder);
    std::string mpg = Path("clip.m1v");
    std::string description = "videotestsrc num-buffers=10 ! video/x-raw,width=320,height=240,framerate=25/1 ! "
                              "mpeg2enc format=0 ! filesink location=\"" + mpg + "\"";
    ASSERT_TRUE(RunPipeline(description));

    ASSERT_EQ(Error("open \"" + mpg + "\" type mpegvideo alias v"), 0u);
    EXPECT_EQ(Send("capability v has video"), "true");
    EXPECT_EQ(Send("where v destination"), "0 0 320 240");
    EXPECT_EQ(Send("where v source"), "0 0 320 240");
    EXPECT_EQ(Error("put v destination at 0 0 480 360"), 0u);
    EXPECT_EQ(Send("where v destination"), "0 0 480 360");
    EXPECT_EQ(Error("put v destination at 0 0 158.4 118.8"), 0u); // fractions are rounded
    EXPECT_EQ(Send("where v destination"), "0 0 158 119");
    EXPECT_EQ(Error("put v destination at 0 0 -5 10"), MCIERR_OUTOFRANGE);
    EXPECT_EQ(Error("put v destination"), 0u); // back to the picture's own size
    EXPECT_EQ(Send("where v destination"), "0 0 320 240");

    QWidget owner;
    owner.resize(640, 480);
    owner.show();
    EXPECT_EQ(Error("window v handle 999999"), MCIERR_NO_WINDOW);
    ASSERT_EQ(Error("window v handle " + std::to_string(HandleOf(&owner))), 0u);
    Send("put v destination at 10 20 160 120");
    QWidget* picture = owner.findChild<QWidget*>();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->geometry(), QRect(10, 20, 160, 120));
    // An elementary stream does not tell its length before it has been played through.
    EXPECT_EQ(Error("play v"), 0u);
    EXPECT_EQ(Send("status v mode"), "playing");
    EXPECT_EQ(WaitForMode("v", "stopped"), "stopped");
    EXPECT_NEAR(std::stoi(Send("status v length")), 400, 80);
    EXPECT_EQ(Send("status v position"), Send("status v length"));
    Send("close v");
    EXPECT_FALSE(owner.findChild<QWidget*>()); // the picture goes with its device
}

TEST_F(MediaControlTest, RecordingCapturesIntoTheDeviceAndSaves) {
    ASSERT_EQ(Error("open new type waveaudio alias r"), 0u);
    EXPECT_EQ(Send("status r media present"), "true");
    EXPECT_EQ(Error("set r channels 1 bitspersample 16 samplespersec 8000 bytespersec 16000 alignment 2"), 0u);
    ASSERT_EQ(Error("record r to 100 wait"), 0u);
    EXPECT_EQ(Send("status r mode"), "stopped");
    EXPECT_EQ(Send("status r length"), "100");
    std::string saved = Path("recorded.wav");
    ASSERT_EQ(Error("save r \"" + saved + "\""), 0u);
    std::string image = ReadWholeFile(saved);
    ASSERT_GE(image.size(), 44u);
    EXPECT_EQ(image.size(), 44u + 1600u); // 100 ms of 16-bit mono at 8000 Hz
    EXPECT_EQ(image.substr(0, 4), "RIFF");

    std::string wav = WriteFile(Path("tone.wav"), ToneWave(100));
    Send("open \"" + wav + "\" type waveaudio alias w");
    EXPECT_EQ(Error("record w from 0 to 50 overwrite wait"), 0u);
    EXPECT_EQ(Send("status w length"), "100"); // written over, not added
    EXPECT_EQ(Error("open \"" + WriteFile(Path("t.mid"), TinyMidi()) + "\" type sequencer alias s"), 0u);
    EXPECT_EQ(Error("record s"), MCIERR_UNSUPPORTED_FUNCTION);
}

TEST_F(MediaControlTest, CommandMessagesReachTheDeviceById) {
    std::string wav = WriteFile(Path("tone.wav"), ToneWave(200));
    std::string id = Send("open \"" + wav + "\" type waveaudio alias a");
    ASSERT_EQ(MciGetDeviceID("A"), std::stoi(id));
    uint16_t device = MciGetDeviceID("a");
    EXPECT_EQ(MciSendCommand(device, MCI_SEEK, MCI_SEEK_TO_END, 0), 0u);
    EXPECT_EQ(Send("status a position"), "200");
    EXPECT_EQ(MciSendCommand(device, MCI_PLAY, MCI_FROM, 0), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(MciSendCommand(device, MCI_CLOSE, 0, 0), 0u);
    EXPECT_EQ(MciSendCommand(device, MCI_CLOSE, 0, 0), MCIERR_INVALID_DEVICE_ID);
    EXPECT_EQ(MciGetDeviceID("a"), 0);
}

TEST_F(MediaControlTest, ReplyThatDoesNotFitTheBufferFails) {
    std::string wav = WriteFile(Path("tone.wav"), ToneWave(100));
    Send("open \"" + wav + "\" type waveaudio alias a");
    std::string reply;
    EXPECT_EQ(MciSendString("info a file", reply, 5), MCIERR_PARAM_OVERFLOW);
    EXPECT_TRUE(reply.empty());
    EXPECT_EQ(MciSendString("status a length", reply, 5), 0u);
    EXPECT_EQ(reply, "100");
}

} // namespace
} // namespace gb
