#include "tools/assetgen/sound_book.h"

#include <cmath>

#include "tools/assetgen/synth.h"

namespace fjordheim {

namespace {

constexpr double LoopSeconds = 6.0;
constexpr double CrossfadeSeconds = 1.0;

TSignal MetalHit(TSynth& s, double pitch) {
  TSignal hit = s.Tone(0.5, [=](double) { return pitch; }, {1.0, 0.0, 0.5, 0.0, 0.3, 0.0, 0.2});
  TSignal ring = s.Tone(0.5, [=](double) { return pitch * 2.76; });
  TSynth::Mix(hit, ring, 0, 0.4);
  TSignal strike = s.Noise(0.03);
  TSynth::HighPass(strike, 2000);
  TSynth::Mix(hit, strike, 0, 1.5);
  TSynth::Envelope(hit, 0.001, 0.09);
  return hit;
}

TSignal Thud(TSynth& s, double centre, double length = 0.25) {
  TSignal thud = s.Noise(length);
  TSynth::BandPass(thud, centre, 2.0);
  TSignal body = s.Tone(length, [=](double t) { return centre * 0.5 * (1.0 - 0.3 * t); });
  TSynth::Mix(thud, body, 0, 0.15);
  TSynth::Envelope(thud, 0.002, length / 5);
  return thud;
}

TSignal Chirp(TSynth& s, double from, double to, double length) {
  TSignal chirp = s.Tone(length, [=](double t) { return from + (to - from) * t; }, {1.0, 0.15});
  TSynth::Envelope(chirp, length * 0.2, length * 0.3);
  return chirp;
}

TSignal Birdsong(TSynth& s, double seconds, double density) {
  TSignal song = s.Silence(seconds);
  for (double at = s.Between(0.1, 0.5); at < seconds - 0.5; at += s.Between(0.2, 1.0) / density) {
    const double base = s.Between(2200, 4200);
    const int notes = 2 + int(s.Between(0, 4));
    for (int n = 0; n < notes; ++n)
      TSynth::Mix(song, Chirp(s, base, base * s.Between(0.8, 1.4), s.Between(0.05, 0.12)), at + n * 0.11, 0.25);
  }
  return song;
}

TSignal Moo(TSynth& s, double pitch, double length) {
  TSignal moo = s.Tone(length, [=](double t) { return pitch * (1.0 + 0.15 * std::sin(3.14159 * t)) * (1.0 - 0.15 * t); },
                       {1.0, 0.7, 0.5, 0.4, 0.3, 0.2, 0.15, 0.1});
  TSynth::LowPass(moo, 900);
  TSynth::Envelope(moo, 0.15, length * 0.6);
  TSynth::Fade(moo, 0.1);
  return moo;
}

TSignal Wind(TSynth& s, double seconds, double centre, double gust) {
  TSignal wind = s.Noise(seconds);
  TSynth::BandPass(wind, centre, 0.8);
  TSignal high = s.Noise(seconds);
  TSynth::BandPass(high, centre * 2.5, 4.0);
  TSynth::Mix(wind, high, 0, 0.3);
  TSynth::Tremolo(wind, gust, 0.6, s.Uniform());
  TSynth::Tremolo(wind, gust * 2.7, 0.3, s.Uniform());
  return wind;
}

TSignal Murmur(TSynth& s, double seconds, double voices) {
  TSignal crowd = s.Silence(seconds);
  for (int v = 0; v < int(voices); ++v) {
    TSignal voice = s.Noise(seconds);
    TSynth::BandPass(voice, s.Between(350, 1200), 3.0);
    TSynth::Tremolo(voice, s.Between(2.0, 5.0), 0.9, s.Uniform());
    TSynth::Tremolo(voice, s.Between(0.2, 0.6), 0.7, s.Uniform());
    TSynth::Mix(crowd, voice, 0, 1.0);
  }
  return crowd;
}

TSignal Crackle(TSynth& s, double seconds, double density) {
  TSignal fire = s.Noise(seconds);
  TSynth::LowPass(fire, 500);
  for (double at = 0; at < seconds; at += s.Between(0.01, 0.12) / density) {
    TSignal pop = s.Noise(0.01);
    TSynth::HighPass(pop, 1500);
    TSynth::Envelope(pop, 0.0005, 0.002);
    TSynth::Mix(fire, pop, at, s.Between(0.5, 2.0));
  }
  return fire;
}

TSignal Water(TSynth& s, double seconds) {
  TSignal water = s.Noise(seconds);
  TSynth::LowPass(water, 700);
  TSynth::Tremolo(water, 0.35, 0.7, s.Uniform());
  for (double at = s.Between(0, 0.3); at < seconds - 0.2; at += s.Between(0.15, 0.6)) {
    const double from = s.Between(250, 500);
    TSynth::Mix(water, Chirp(s, from, from * 2.2, s.Between(0.03, 0.07)), at, 0.2);
  }
  return water;
}

TSignal Swish(TSynth& s, double length, double centre) {
  TSignal swish = s.Noise(length);
  TSynth::BandPass(swish, centre, 1.5);
  TSynth::Envelope(swish, length * 0.4, length * 0.25);
  return swish;
}

TSignal Bark(TSynth& s, double pitch) {
  TSignal bark = s.Tone(0.16, [=](double t) { return pitch * (1.3 - 0.5 * t); }, {1.0, 0.8, 0.6, 0.5, 0.4, 0.3});
  TSignal rough = s.Noise(0.16);
  TSynth::BandPass(rough, 1100, 2.0);
  TSynth::Mix(bark, rough, 0, 0.6);
  TSynth::BandPass(bark, 900, 0.9);
  TSynth::Envelope(bark, 0.01, 0.05);
  return bark;
}

TSignal Honk(TSynth& s, double pitch) {
  TSignal honk = s.Tone(0.14, [=](double t) { return pitch * (1.0 + 0.1 * t); }, {1.0, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4});
  TSynth::BandPass(honk, 1300, 1.2);
  TSynth::Envelope(honk, 0.01, 0.07);
  return honk;
}

TSignal Bell(TSynth& s, double pitch) {
  TSignal bell = s.Tone(0.7, [=](double) { return pitch; }, {1.0, 0.0, 0.0, 0.0, 0.0, 0.4});
  TSynth::Mix(bell, s.Tone(0.7, [=](double) { return pitch * 2.4; }), 0, 0.3);
  TSynth::Envelope(bell, 0.002, 0.2);
  return bell;
}

// A note of a soft wooden flute with a little breath.
TSignal FluteNote(TSynth& s, double pitch, double length) {
  TSignal note = s.Tone(length, [=](double t) { return pitch * (1.0 + 0.006 * std::sin(30.0 * t * length)); }, {1.0, 0.3, 0.1});
  TSignal breath = s.Noise(length);
  TSynth::BandPass(breath, pitch * 2, 4.0);
  TSynth::Mix(note, breath, 0, 0.15);
  TSynth::Envelope(note, 0.06, length * 0.7);
  TSynth::Fade(note, 0.03);
  return note;
}

TWave Mono(const TSignal& signal, double peak = 0.8) { return TSynth::MonoWave(signal, peak); }

// A loop in stereo: the left and right sides are made by the same recipe with other
// random draws, so the sound is wide but of one character.
TWave StereoLoop(std::uint64_t seed, const std::function<TSignal(TSynth&, double)>& recipe, double peak = 0.7) {
  TSynth left(seed), right(seed + 7919);
  const double seconds = LoopSeconds + CrossfadeSeconds;
  TSignal l = recipe(left, seconds), r = recipe(right, seconds);
  return TSynth::StereoWave(TSynth::Looped(l, CrossfadeSeconds), TSynth::Looped(r, CrossfadeSeconds), peak);
}

TWave Click() {
  TSynth s(1);
  TSignal click = s.Noise(0.03);
  TSynth::HighPass(click, 3000);
  TSignal tick = s.Tone(0.03, [](double) { return 1800.0; });
  TSynth::Mix(click, tick, 0, 0.6);
  TSynth::Envelope(click, 0.0005, 0.004);
  return Mono(click, 0.7);
}

TWave Hammer() {
  TSynth s(2);
  TSignal sound = s.Silence(1.6);
  for (int i = 0; i < 3; ++i) TSynth::Mix(sound, MetalHit(s, 620 + 15 * i), 0.05 + 0.5 * i);
  return Mono(sound);
}

// A handful of coins dropped into a purse: short bright rings, one after another.
TWave Coins() {
  TSynth s(41);
  TSignal sound = s.Silence(1.0);
  for (int i = 0; i < 6; ++i) TSynth::Mix(sound, MetalHit(s, s.Between(2300, 3600)), 0.03 + 0.11 * i + s.Between(0, 0.04), 0.45);
  return Mono(sound, 0.6);
}

TWave Dog() {
  TSynth s(3);
  TSignal sound = s.Silence(1.0);
  TSynth::Mix(sound, Bark(s, 420), 0.02);
  TSynth::Mix(sound, Bark(s, 440), 0.3);
  TSynth::Mix(sound, Bark(s, 400), 0.7, 0.8);
  return Mono(sound);
}

TWave Sweeping() {
  TSynth s(4);
  TSignal sound = s.Silence(1.6);
  for (int i = 0; i < 4; ++i) TSynth::Mix(sound, Swish(s, 0.3, 3000 + 400 * i), 0.05 + 0.38 * i);
  return Mono(sound);
}

TWave Cows() {
  TSynth s(5);
  TSignal sound = s.Silence(2.4);
  TSynth::Mix(sound, Moo(s, 105, 1.3), 0.05);
  TSynth::Mix(sound, Moo(s, 128, 0.9), 1.3, 0.7);
  return Mono(sound);
}

TWave Elk() {
  TSynth s(6);
  TSignal call = s.Tone(1.6, [](double t) { return 70 + 90 * std::sin(3.14159 * t) * (1.0 - 0.3 * t); },
                        {1.0, 0.8, 0.7, 0.5, 0.4, 0.3, 0.2});
  TSynth::LowPass(call, 700);
  TSynth::Envelope(call, 0.3, 0.7);
  TSynth::Fade(call, 0.15);
  return Mono(call);
}

TWave Washing() {
  TSynth s(7);
  TSignal sound = Water(s, 1.8);
  for (int i = 0; i < 4; ++i) TSynth::Mix(sound, Swish(s, 0.25, 900), 0.1 + 0.4 * i, 1.2);
  TSynth::Fade(sound, 0.1);
  return Mono(sound);
}

TWave WindGust() {
  TSynth s(8);
  TSignal sound = Wind(s, 2.5, 500, 0.4);
  TSynth::Fade(sound, 0.6);
  return Mono(sound);
}

TWave BoatBuilding() {
  TSynth s(9);
  TSignal sound = s.Silence(2.0);
  for (int i = 0; i < 4; ++i) TSynth::Mix(sound, Thud(s, 350 + 30 * (i % 2)), 0.05 + 0.3 * i);
  for (int i = 0; i < 3; ++i) TSynth::Mix(sound, Swish(s, 0.22, 1800), 1.25 + 0.25 * i, 0.5);
  return Mono(sound);
}

TWave Geese() {
  TSynth s(10);
  TSignal sound = s.Silence(1.5);
  for (int i = 0; i < 7; ++i) TSynth::Mix(sound, Honk(s, s.Between(380, 520)), 0.05 + 0.19 * i + s.Between(0, 0.05));
  return Mono(sound);
}

TWave Cheering() {
  TSynth s(11);
  TSignal sound = Murmur(s, 2.5, 12);
  for (int i = 0; i < 6; ++i) {
    TSignal shout = s.Tone(0.5, [f = s.Between(180, 320)](double t) { return f * (1.0 + 0.3 * t); },
                           {1.0, 0.6, 0.5, 0.3});
    TSynth::BandPass(shout, 900, 1.0);
    TSynth::Envelope(shout, 0.05, 0.3);
    TSynth::Mix(sound, shout, s.Between(0.1, 1.6), 0.3);
  }
  TSynth::Fade(sound, 0.3);
  return Mono(sound);
}

TWave Booing() {
  TSynth s(12);
  TSignal sound = s.Silence(2.0);
  for (int i = 0; i < 6; ++i) {
    TSignal boo = s.Tone(1.5, [f = s.Between(95, 160)](double t) { return f * (1.0 - 0.2 * t); },
                         {1.0, 0.5, 0.25, 0.1});
    TSynth::LowPass(boo, 500);
    TSynth::Envelope(boo, 0.2, 0.6);
    TSynth::Fade(boo, 0.1);
    TSynth::Mix(sound, boo, s.Between(0.0, 0.4));
  }
  return Mono(sound);
}

TSignal VillageBustle(TSynth& s, double seconds) {
  TSignal sound = Murmur(s, seconds, 6);
  TSynth::Mix(sound, Birdsong(s, seconds, 0.6), 0, 0.5);
  for (double at = s.Between(0.2, 1.0); at < seconds - 0.6; at += s.Between(1.0, 2.5))
    TSynth::Mix(sound, MetalHit(s, 600), at, 0.15);
  return sound;
}

TSignal Autumn(TSynth& s, double seconds) {
  TSignal sound = Wind(s, seconds, 420, 0.3);
  TSignal leaves = s.Noise(seconds);
  TSynth::BandPass(leaves, 4500, 2.0);
  TSynth::Tremolo(leaves, 0.7, 0.8, s.Uniform());
  TSynth::Mix(sound, leaves, 0, 0.4);
  for (double at = 0.1; at < seconds - 0.1; at += s.Between(0.05, 0.25)) {
    TSignal drop = s.Noise(0.01);
    TSynth::HighPass(drop, 2500);
    TSynth::Envelope(drop, 0.0005, 0.003);
    TSynth::Mix(sound, drop, at, 0.6);
  }
  return sound;
}

TSignal Winter(TSynth& s, double seconds) {
  TSignal sound = Wind(s, seconds, 300, 0.2);
  TSignal howl = s.Noise(seconds);
  TSynth::BandPass(howl, 700, 12.0);
  TSynth::Tremolo(howl, 0.25, 0.9, s.Uniform());
  TSynth::Mix(sound, howl, 0, 2.0);
  return sound;
}

TSignal Spring(TSynth& s, double seconds) {
  TSignal sound = Water(s, seconds);
  TSynth::Mix(sound, Birdsong(s, seconds, 1.4), 0, 1.5);
  return sound;
}

TSignal Summer(TSynth& s, double seconds) {
  TSignal sound = Birdsong(s, seconds, 1.0);
  TSignal crickets = s.Tone(seconds, [](double) { return 4300.0; });
  TSynth::Tremolo(crickets, 18, 1.0);
  TSynth::Tremolo(crickets, 0.5, 0.8, s.Uniform());
  TSynth::Mix(sound, crickets, 0, 0.08);
  TSignal breeze = Wind(s, seconds, 800, 0.2);
  TSynth::Mix(sound, breeze, 0, 0.15);
  return sound;
}

TSignal Hall(TSynth& s, double seconds) {
  TSignal sound = Murmur(s, seconds, 8);
  TSynth::Mix(sound, Crackle(s, seconds, 1.0), 0, 0.4);
  for (double at = s.Between(0.3, 1.0); at < seconds - 0.5; at += s.Between(0.8, 2.0))
    TSynth::Mix(sound, Thud(s, 900, 0.1), at, 0.3);
  return sound;
}

TSignal HuntingFishing(TSynth& s, double seconds) {
  TSignal sound = Water(s, seconds);
  TSynth::Mix(sound, Birdsong(s, seconds, 0.4), 0, 0.6);
  for (double at = s.Between(0.5, 1.5); at < seconds - 0.6; at += s.Between(1.5, 3.0))
    TSynth::Mix(sound, Swish(s, 0.4, 600), at, 0.8);
  return sound;
}

TSignal Livestock(TSynth& s, double seconds) {
  TSignal sound = s.Silence(seconds);
  TSynth::Mix(sound, Wind(s, seconds, 600, 0.3), 0, 0.3);
  for (double at = s.Between(0.1, 0.5); at < seconds - 0.7; at += s.Between(0.3, 0.9))
    TSynth::Mix(sound, Bell(s, s.Between(900, 1300)), at, 0.25);
  TSynth::Mix(sound, Moo(s, s.Between(100, 130), 1.2), s.Between(0.5, seconds - 2.0), 0.8);
  return sound;
}

TSignal Household(TSynth& s, double seconds) {
  TSignal sound = Crackle(s, seconds, 1.5);
  for (double at = s.Between(0.2, 0.6); at < seconds - 0.4; at += s.Between(0.4, 0.9))
    TSynth::Mix(sound, Thud(s, 1400, 0.08), at, 0.3);
  return sound;
}

TSignal Farming(TSynth& s, double seconds) {
  TSignal sound = Birdsong(s, seconds, 0.8);
  for (double at = 0.2; at < seconds - 0.6; at += 0.9) TSynth::Mix(sound, Swish(s, 0.45, 2500), at, 1.5);
  return sound;
}

// The title tune: a drone on a fifth and a slow pentatonic melody of eight bars.
TSignal TitleTune(TSynth& s, double seconds) {
  TSignal drone = s.Tone(seconds, [](double) { return 110.0; }, {1.0, 0.5, 0.3});
  TSynth::Mix(drone, s.Tone(seconds, [](double) { return 164.8; }, {1.0, 0.3}), 0, 0.6);
  TSynth::Tremolo(drone, 0.25, 0.3);
  TSignal sound = s.Silence(seconds);
  TSynth::Mix(sound, drone, 0, 0.4);
  const double scale[] = {440.0, 493.9, 554.4, 659.3, 740.0, 880.0};
  int degree = 2;
  for (double at = 0.25; at < seconds - 1.2; at += 0.75) {
    degree = std::clamp(degree + int(s.Between(-2, 3)), 0, 5);
    TSynth::Mix(sound, FluteNote(s, scale[degree] / 2, 0.9), at, 0.5);
  }
  return sound;
}

TSignal SeaAndDrum(TSynth& s, double seconds) {
  TSignal sound = s.Noise(seconds);
  TSynth::LowPass(sound, 400);
  TSynth::Tremolo(sound, 1.0 / 3.0, 0.85);
  for (double at = 0.0; at < seconds - 0.3; at += 1.5) TSynth::Mix(sound, Thud(s, 120, 0.4), at, 1.5);
  return sound;
}

TWave Silence44k() {
  TWave wave;
  wave.Channels = 2;
  wave.Rate = 44100;
  wave.Samples.assign(4410 * 2, 0);
  return wave;
}

}  // namespace

std::uint64_t TSoundBook::SeedOf(const QString& name) {
  std::uint64_t hash = 1469598103934665603ull;
  for (char byte : name.toLower().toUtf8()) hash = (hash ^ std::uint8_t(byte)) * 1099511628211ull;
  return hash;
}

std::vector<TSoundRecipe> TSoundBook::ProgramSounds() {
  return {
      {"mono\\respons1.wav", Click},
      {"dummy.wav", Silence44k},
      {"mono\\hammare.wav", Hammer},
      {"mono\\mynter.wav", Coins},
      {"mono\\hund.wav", Dog},
      {"mono\\sopning.wav", Sweeping},
      {"mono\\kor.wav", Cows},
      {"mono\\älg.wav", Elk},
      {"mono\\tvätta.wav", Washing},
      {"mono\\vindsus.wav", WindGust},
      {"mono\\båtbygge.wav", BoatBuilding},
      {"mono\\gåskacke.wav", Geese},
      {"horray.wav", Cheering},
      {"Boo.wav", Booing},
      {"stereo\\bysorl.wav", [] { return StereoLoop(20, VillageBustle); }},
      {"stereo\\höst.wav", [] { return StereoLoop(21, Autumn); }},
      {"stereo\\vinter.wav", [] { return StereoLoop(22, Winter); }},
      {"stereo\\vår.wav", [] { return StereoLoop(23, Spring); }},
      {"stereo\\sommar.wav", [] { return StereoLoop(24, Summer); }},
      {"stereo\\matsal.wav", [] { return StereoLoop(25, Hall); }},
      {"stereo\\jaktfisk.wav", [] { return StereoLoop(26, HuntingFishing); }},
      {"stereo\\boskap.wav", [] { return StereoLoop(27, Livestock); }},
      {"stereo\\hushåll.wav", [] { return StereoLoop(28, Household); }},
      {"stereo\\jordbruk.wav", [] { return StereoLoop(29, Farming); }},
      {"a1.wav", [] { return StereoLoop(30, TitleTune, 0.6); }},
      {"a2.wav", [] { return StereoLoop(31, SeaAndDrum, 0.6); }},
  };
}

TWave TSoundBook::EventSound(const QString& name) {
  const QString word = name.toLower();
  TSynth s(SeedOf(name));
  const auto has = [&](std::initializer_list<const char*> keys) {
    for (const char* key : keys)
      if (word.contains(QString::fromUtf8(key))) return true;
    return false;
  };
  TSignal sound;
  if (has({"brann", "fire", "ild"})) {
    sound = Crackle(s, 2.5, 3.0);
  } else if (has({"torden", "lyn"})) {
    sound = s.Noise(2.5);
    TSynth::LowPass(sound, 150);
    TSynth::Envelope(sound, 0.02, 0.8);
    TSignal crack = s.Noise(0.2);
    TSynth::HighPass(crack, 1000);
    TSynth::Envelope(crack, 0.001, 0.05);
    TSynth::Mix(sound, crack, 0, 0.3);
  } else if (has({"vind", "frost", "snø", "kulde", "storm"})) {
    sound = Winter(s, 2.5);
  } else if (has({"skip", "fremmed", "hav", "sjø", "bølge"})) {
    sound = SeaAndDrum(s, 2.5);
  } else if (has({"hoste", "syk"})) {
    sound = s.Silence(2.0);
    for (int i = 0; i < 3; ++i) TSynth::Mix(sound, Bark(s, 190), 0.1 + 0.5 * i, 0.8);
    TSynth::LowPass(sound, 1500);
  } else if (has({"fest", "jubel", "hurra"})) {
    sound = Murmur(s, 2.5, 12);
  } else if (has({"treske", "slag", "hammer"})) {
    sound = s.Silence(2.0);
    for (int i = 0; i < 5; ++i) TSynth::Mix(sound, Thud(s, 250, 0.2), 0.05 + 0.38 * i);
  } else if (has({"jakt", "elg", "horn"})) {
    sound = s.Silence(2.5);
    TSignal horn = s.Tone(1.6, [](double t) { return 220.0 * (t < 0.1 ? 0.9 + t : 1.0); }, {1.0, 0.7, 0.5, 0.3, 0.2});
    TSynth::Envelope(horn, 0.1, 0.8);
    TSynth::Fade(horn, 0.1);
    TSynth::Mix(sound, horn, 0.1);
  } else if (has({"fugl", "vår", "sommer", "korn"})) {
    sound = Summer(s, 2.5);
  } else if (has({"sol", "varme", "tørke"})) {
    sound = s.Tone(2.5, [](double) { return 4000.0; });
    TSynth::Tremolo(sound, 25, 1.0);
    TSynth::Tremolo(sound, 0.6, 0.7);
    TSynth::Mix(sound, Wind(s, 2.5, 1200, 0.3), 0, 0.2);
  } else if (has({"besøk", "besok", "gjest"})) {
    sound = s.Silence(2.0);
    for (int i = 0; i < 3; ++i) TSynth::Mix(sound, Thud(s, 500, 0.2), 0.1 + 0.35 * i);
    TSynth::Mix(sound, Murmur(s, 1.0, 3), 1.0, 0.8);
  } else {
    sound = s.Silence(2.0);
    for (int i = 0; i < 3; ++i) TSynth::Mix(sound, Bell(s, 660 * std::pow(1.25, i)), 0.1 + 0.3 * i);
  }
  TSynth::Fade(sound, 0.2);
  return TSynth::MonoWave(sound);
}

TWave TSoundBook::StandInTone(const QString& name) {
  TSynth s(SeedOf(name));
  TSignal tone = s.Tone(0.4, [](double) { return 523.25; }, {1.0, 0.2});
  TSynth::Envelope(tone, 0.01, 0.15);
  return TSynth::MonoWave(tone, 0.5);
}

}  // namespace fjordheim
