#pragma once
// The completion flags the GARP timer dialog shares with the port capability dialog: a walk of
// either sets both when it ends, and neither refreshes while one of them is clear.
struct TGarpCompletion {
    bool GetComplete = true;
    bool SetComplete = true;
};
TGarpCompletion& GarpCompletion();
