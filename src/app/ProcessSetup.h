#pragma once

// Makes the process sound whatever started it, before SDL opens anything.
class ProcessSetup {
public:
    static void Prepare();

private:
    ProcessSetup() {}

    static void IgnoreBrokenPipes();
    static void OpenMissingStandardDescriptors();
};
