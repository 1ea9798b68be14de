#pragma once
// One format for the title of every window about one switch: "<caption>: <device>", where the
// device is its address, with ":<port>" when the agent port is not 161 (an IPv6 address then
// in brackets), so that two modules on one address and different ports tell themselves apart.
#include <QString>

inline constexpr int kStandardAgentPort = 161;

// "192.0.2.1", "192.0.2.1:16100", "[2001:db8::1]:1161".
QString KtDeviceText(const QString& address, int port);
// The device of the session's default parameters (the switch the module manages).
QString KtDeviceText();

// caption's own trailing blanks, line feeds and separator (": ", " : ") are dropped: every
// caption prefix gives the same form. An empty caption gives the device alone.
QString KtWindowTitle(const QString& caption, const QString& device);
