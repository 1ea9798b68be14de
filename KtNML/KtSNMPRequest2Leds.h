#pragma once
// LED binding: small coloured shapes tied to bytes of octet-string variables that the switch
// reports per port (one byte per port, or a status byte and a colour byte). A poll timer reads
// the variables; each LED takes the colour its byte selects in a colour map, and LEDs whose
// byte carries the blink bit flash for about half a second after every poll. A failed read
// turns every LED off and shows the error in the status line; a read that brought a value of
// the wrong type leaves the LEDs as they were and names the variable there.
//
//   KtSNMPRequest2Leds leds(form);
//   leds.VarList().Assign(ledList);
//   leds.SetLedMode(2, 5);
//   leds.CreateLeds(0, "5,7,9", KtLedMapSecond(), panel, 1, 10, KtLedShape::Rectangle, 5, 5);
//   leds.SetStatusTarget(statusPanel);
//   leds.StartPolling(500);  // every 5 s, the first read at once
#include "KtNML/KtSNMPRequest2Controls.h"

#include <QColor>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

// Colours are 0x00BBGGRR: red in the lowest byte.
using KtLedColour = std::uint32_t;
QColor KtLedQColor(KtLedColour colour);

// One cell pair of a colour map table; a table ends with a pair whose colour is -1.
struct KtLedColourPair {
    std::int32_t key;
    std::int32_t colour;
};

class KtSNMPLedColorMapList {
public:
    KtSNMPLedColorMapList(const KtLedColourPair* table, std::uint8_t mask, std::uint8_t blinkMask,
                          KtLedColour offColour, std::int32_t absentColour);

    // Colour of the first entry whose key's low byte equals key; 0 when none does.
    KtLedColour ColourOf(std::uint8_t key) const;

    std::uint8_t Mask;          // applied to the colour byte
    std::uint8_t BlinkMask;     // applied to the state byte
    KtLedColour OffColour;
    std::int32_t AbsentColour;  // -1: none (a byte beyond the value is an error)
    struct Entry {
        std::int32_t key;
        KtLedColour colour;
    };
    const std::vector<Entry>& Entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

// The three maps of the system: mask 7, blink mask 0x80, off colour black, absent colour black.
// First: power, console and SFP LEDs (white, green, blue, red); second: copper port LEDs
// (black, orange for 10/100M, green for 1000M, red); third: orange, green, red.
const KtSNMPLedColorMapList& KtLedMapFirst();
const KtSNMPLedColorMapList& KtLedMapSecond();
const KtSNMPLedColorMapList& KtLedMapThird();

// The shape of one LED: fill and outline in one colour.
class KtLedShape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, Square, RoundRect, Circle, Ellipse };
    KtLedShape(Kind kind, QWidget* parent);
    void SetColour(KtLedColour colour);
    KtLedColour Colour() const { return m_colour; }
    Kind ShapeKind() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    KtLedColour m_colour = 0;
};

struct KtLedRecord {
    int Index = 0;                                 // variable index
    int ByteIndex = 0;
    const KtSNMPLedColorMapList* Map = nullptr;    // global, not owned
    QPointer<KtLedShape> Shape;                    // belongs to the owner
    bool Blinking = false;
    KtLedColour Colour = 0;
};

class KtSNMPRequest2Leds : public KtSNMPRequest2Controls {
    Q_OBJECT
public:
    explicit KtSNMPRequest2Leds(QWidget* owner, std::unique_ptr<KtSNMPRequest> request = nullptr);
    // Stops polling (the LEDs go off) and frees the records; the shapes stay with the owner.
    ~KtSNMPRequest2Leds() override;

    void AddLed(int i, int byteIndex, const KtSNMPLedColorMapList& map, KtLedShape* shape);
    // One shape per byte index of byteList ("2,3"), parented by panel, at left + k * (gap +
    // width), top 1; the panel loses its bevels.
    void CreateLeds(int i, const QString& byteList, const KtSNMPLedColorMapList& map, QWidget* panel, int left,
                    int gap, KtLedShape::Kind kind, int width, int height);
    void SetLedMode(int mode, int threshold);
    // interval in hundredths of a second; reads once at once (an error raised by that read
    // turns the LEDs off and is raised again).
    void StartPolling(int interval);
    void StopPolling();
    void ResetLeds();
    void PaintLeds();
    // One poll tick: a read whose raised errors go to the status line.
    void Poll();

    void ShowRow() override;
    void OnGetError(const KtSNMPError& error) override;
    virtual void ComputeLed(KtLedRecord& led);

    const std::vector<std::unique_ptr<KtLedRecord>>& Leds() const { return m_leds; }
    bool Polling() const { return m_pollTimer->isActive(); }
    // Whether the blink timer runs: from a read that shows a flashing LED until it stays lit.
    bool Painting() const { return m_paintTimer->isActive(); }
    int PollInterval() const { return m_pollTimer->interval(); }
    int LedMode() const { return m_mode; }
    int Threshold() const { return m_threshold; }
    int BlinkCount() const { return m_blinkCount; }

    int BlinkLimit = 6;

private:
    std::vector<std::unique_ptr<KtLedRecord>> m_leds;
    QTimer* m_pollTimer;
    QTimer* m_paintTimer;
    int m_blinkCount = 0;
    int m_mode = 1;
    int m_threshold = 4;
};
