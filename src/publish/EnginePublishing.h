#pragma once

class CommEngine;
class DataFileWriter;
class RecordPublisher;

// Hands the publisher every record the writer saves and every change of a meter's link.
void ConnectPublisher(DataFileWriter& writer, CommEngine& engine, RecordPublisher& publisher);
