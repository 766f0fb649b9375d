#pragma once

#include <QString>
#include <vector>

// The game's four sounds, synthesised as mono samples at 44.1 kHz in the
// range -1 to 1, and their encoding to MP3 through Debian's lame.
namespace SoundArt {

constexpr int kRate = 44100;

std::vector<float> FlipPiece();
std::vector<float> CorrectSound();
std::vector<float> FlipBoard();
std::vector<float> GameOver();

// Writes the samples as an MP3 file; false (with a message on stderr)
// when lame is missing or fails.
bool WriteMp3(const std::vector<float>& samples, const QString& path);

}  // namespace SoundArt
