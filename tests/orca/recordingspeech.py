# SPDX-License-Identifier: GPL-3.0-or-later
# A speech server for Orca that writes each utterance, one a line, to the
# file OMBRIX_SPEECH_LOG names instead of speaking it.
import os
from orca import speechserver

LOG = os.environ.get("OMBRIX_SPEECH_LOG", "/tmp/speech.log")


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "recording"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["recording", "recording"]

    def getVoiceFamilies(self):
        return []

    def _write(self, text):
        with open(LOG, "a", encoding="utf-8") as log:
            log.write(text + "\n")

    def speak(self, text=None, acss=None, interrupt=True):
        if text:
            self._write(text)

    def speakCharacter(self, character, acss=None):
        self._write(character)

    def speakKeyEvent(self, event, acss=None):
        pass

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            self._write(context.utterance)
