#pragma once
// The platform services the program uses, handed to the main window so that
// tests can fake the clock, count beeps, answer the delete question and catch
// print jobs.

class SystemClock;
class Beeper;
class Confirmation;
class PrintTarget;

struct Platform {
    SystemClock &clock;
    Beeper &beeper;
    Confirmation &confirmation;
    PrintTarget &printTarget;
};
